#include "model/app_model.h"

namespace vlt {

void AppModel::changeShortcutsState(const std::function<void(ShortcutsState&)>& edit) {
    changeArea(shortcuts_, edit, &AppModel::shortcutsStateChanged);
}

void AppModel::presentShortcuts() {
    if (isInteractionLocked()) return;
    cancelEditorGesture();
    changeShortcutsState([](ShortcutsState& state) { state.isShortcutsPresented = true; });
}

void AppModel::closeShortcuts() {
    changeShortcutsState([](ShortcutsState& state) { state.isShortcutsPresented = false; });
}

}  // namespace vlt
