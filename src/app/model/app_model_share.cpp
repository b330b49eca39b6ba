#include "app/model/app_model.h"

namespace vlt {

void AppModel::requestShareImage() {
    if (isInteractionLocked() || isNativeShareServiceActive_ || isImporting_ || !editorSession_ ||
        isEditorTextEntryOpen()) {
        return;
    }
}

void AppModel::cleanUpStaleSharePayloads() {}

}  // namespace vlt
