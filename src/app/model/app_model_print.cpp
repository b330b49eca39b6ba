#include "app/model/app_model.h"

namespace vlt {

void AppModel::startPrinting() {
    if (isInteractionLocked() || import_.isImporting || !editor_.editorSession || isEditorTextEntryOpen()) return;
}

}  // namespace vlt
