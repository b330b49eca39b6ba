#include "app/model/app_model.h"

namespace vlt {

void AppModel::requestAnimationVideoSave() {
    if (isInteractionLocked() || isImporting_ || !editorSession_ || isEditorTextEntryOpen()) return;
}

}  // namespace vlt
