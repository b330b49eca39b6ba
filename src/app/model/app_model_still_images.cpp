#include "app/model/app_model.h"

namespace vlt {

void AppModel::requestSaveImages() {
    if (isInteractionLocked() || isImporting_ || !editorSession_ || isEditorTextEntryOpen()) return;
}

void AppModel::presentSaveImages() {
    completePendingCloseRequest(false);
    if (isAnimationVideoSaving_ || isPrinting_) return;
    setIsSaveImagesPresented(true);
}

}  // namespace vlt
