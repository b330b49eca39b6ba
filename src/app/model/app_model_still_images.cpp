#include "app/model/app_model.h"

namespace vlt {

void AppModel::requestSaveImages() {
    if (isInteractionLocked() || import_.isImporting || !editor_.editorSession || isEditorTextEntryOpen()) return;
}

void AppModel::presentSaveImages() {
    completePendingCloseRequest(false);
    if (animationVideoSave_.isSaving || print_.isPrinting) return;
    setIsSaveImagesPresented(true);
}

}  // namespace vlt
