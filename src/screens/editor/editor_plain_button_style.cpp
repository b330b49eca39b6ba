#include "screens/editor/editor_plain_button_style.h"

namespace vlt {

const EditorPlainButtonStyle& EditorPlainButtonStyle::shared() {
    static const EditorPlainButtonStyle style;
    return style;
}

double EditorPlainButtonStyle::opacity(const EditorButtonState& state) const {
    constexpr double kDisabledOpacity = 0.45;
    constexpr double kPressedOpacity = 0.7;
    if (!state.isEnabled) return kDisabledOpacity;
    return state.isPressed ? kPressedOpacity : 1.0;
}

}  // namespace vlt
