#include "model/app_model_flags.h"

namespace vlt {

bool AppModelFlags::isPresentingModal() const {
    return isShortcutsPresented || hasFeedbackState || hasActiveSettingsSection || isSaveImagesPresented ||
           isStillImageSaving || hasSavedStillImages || hasStillImageSaveErrorTitle || isShareImageOpening ||
           hasShareImageState || isShareImagePreparing || hasShareImageErrorTitle ||
           isAnimationVideoSavePanelPresented || isAnimationVideoSaving || hasSavedAnimationVideo ||
           hasAnimationVideoSaveErrorTitle || isPrinting || showsPrintError || showsReplacementImportError ||
           showsEditorPreparationError || showsGraphicsFailure || isCrashReportAlertPresented;
}

bool AppModelFlags::isInteractionLocked() const {
    if (isPresentingModal()) return true;
    const bool isWaitingForAnswer = isCloseRequestPending && !isClosePreparationPending;
    if (isWaitingForAnswer) return true;
    const bool isReplacingOpenDocument = isImporting && hasDocument;
    if (isReplacingOpenDocument) return true;
    return isPreparingEditor;
}

bool AppModelFlags::canGoToEditor() const {
    return hasDocument && !hasEditorSession && !isImporting && !isPreparingEditor && !isPresentingModal() &&
           !isCloseRequestPending;
}

}  // namespace vlt
