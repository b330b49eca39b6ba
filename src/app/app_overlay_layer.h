#pragma once

#include <array>

namespace vlt {

class AppModel;

// The dialogs and cards that the root view stacks above the base screen. The value is
// the layer's z-index: a higher layer is drawn above a lower one.
enum class AppOverlayLayer {
    replacementImageLoading = 50,
    settings = 100,
    shortcuts = 102,
    feedback = 104,
    shareImage = 105,
    stillImageSave = 110,
    stillImageSaving = 120,
    stillImageSaved = 130,
    stillImageSaveError = 140,
    shareImageError = 145,
    animationVideoSaving = 148,
    animationVideoSaved = 150,
    animationVideoSaveError = 160,
    printError = 165,
    graphicsFailure = 170,
};

// Every layer, bottom to top.
inline constexpr std::array<AppOverlayLayer, 15> kAppOverlayLayers = {
    AppOverlayLayer::replacementImageLoading,
    AppOverlayLayer::settings,
    AppOverlayLayer::shortcuts,
    AppOverlayLayer::feedback,
    AppOverlayLayer::shareImage,
    AppOverlayLayer::stillImageSave,
    AppOverlayLayer::stillImageSaving,
    AppOverlayLayer::stillImageSaved,
    AppOverlayLayer::stillImageSaveError,
    AppOverlayLayer::shareImageError,
    AppOverlayLayer::animationVideoSaving,
    AppOverlayLayer::animationVideoSaved,
    AppOverlayLayer::animationVideoSaveError,
    AppOverlayLayer::printError,
    AppOverlayLayer::graphicsFailure,
};

// Whether the model's state calls for the layer.
bool isAppOverlayLayerShown(AppOverlayLayer layer, const AppModel& model);

}  // namespace vlt
