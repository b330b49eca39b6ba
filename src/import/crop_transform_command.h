#pragma once

#include <array>

namespace vlt {

// The orientation commands of the crop screen; the ordinals are fixed (0 to 4).
enum class CropTransformCommand {
    rotateLeft,
    rotateRight,
    flipHorizontal,
    flipVertical,
    resetOrientation,
};

inline constexpr std::array<CropTransformCommand, 5> kAllCropTransformCommands = {
    CropTransformCommand::rotateLeft,   CropTransformCommand::rotateRight,      CropTransformCommand::flipHorizontal,
    CropTransformCommand::flipVertical, CropTransformCommand::resetOrientation,
};

}  // namespace vlt
