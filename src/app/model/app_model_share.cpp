#include "app/model/app_model.h"

namespace vlt {

void AppModel::requestShareImage() {
    if (isInteractionLocked() || isNativeShareServiceActive_ || import_.isImporting || !editor_.editorSession ||
        isEditorTextEntryOpen()) {
        return;
    }
}

void AppModel::cleanUpStaleSharePayloads() {}

}  // namespace vlt
