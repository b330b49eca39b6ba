#include "app/app_overlay_layer.h"

#include "model/app_model.h"

namespace vlt {

bool isAppOverlayLayerShown(AppOverlayLayer layer, const AppModel& model) {
    switch (layer) {
    case AppOverlayLayer::replacementImageLoading:
        return model.importState().isImporting && model.importState().document != nullptr;
    case AppOverlayLayer::settings:
        return model.settingsState().activeSettingsSection.has_value();
    case AppOverlayLayer::shortcuts:
        return model.shortcutsState().isShortcutsPresented;
    case AppOverlayLayer::feedback:
        return model.feedbackState().has_value();
    case AppOverlayLayer::shareImage:
        return model.shareState().shareImageState.has_value();
    case AppOverlayLayer::stillImageSave:
        return model.stillImageSaveState().isSaveImagesPresented;
    case AppOverlayLayer::stillImageSaving:
        return model.stillImageSaveState().isSaving;
    case AppOverlayLayer::stillImageSaved:
        return model.stillImageSaveState().savedImages.has_value();
    case AppOverlayLayer::stillImageSaveError:
        return model.stillImageSaveState().errorTitle.has_value() &&
               model.stillImageSaveState().errorMessage.has_value();
    case AppOverlayLayer::shareImageError:
        return model.shareState().shareImageErrorTitle.has_value() &&
               model.shareState().shareImageErrorMessage.has_value();
    case AppOverlayLayer::animationVideoSaving:
        return model.animationVideoSaveState().isSaving;
    case AppOverlayLayer::animationVideoSaved:
        return model.animationVideoSaveState().savedVideo.has_value();
    case AppOverlayLayer::animationVideoSaveError:
        return model.animationVideoSaveState().errorTitle.has_value() &&
               model.animationVideoSaveState().errorMessage.has_value();
    case AppOverlayLayer::printError:
        return model.printState().showsPrintError;
    case AppOverlayLayer::graphicsFailure:
        return model.editorState().showsGraphicsFailure;
    }
    return false;
}

}  // namespace vlt
