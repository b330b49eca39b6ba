#pragma once

#include <array>

namespace vlt {

// The order is also the order of the corner hit test and of the drawn handles.
enum class CropCorner {
    topLeft,
    topRight,
    bottomRight,
    bottomLeft,
};

inline constexpr std::array<CropCorner, 4> kAllCropCorners = {
    CropCorner::topLeft,
    CropCorner::topRight,
    CropCorner::bottomRight,
    CropCorner::bottomLeft,
};

}  // namespace vlt
