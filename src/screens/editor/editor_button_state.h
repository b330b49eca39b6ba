#pragma once

namespace vlt {

// What a button style draws from: the control's own flags at paint time.
struct EditorButtonState {
    bool isEnabled = true;
    bool isPressed = false;
    bool isHovered = false;
    bool isSelected = false;

    friend bool operator==(const EditorButtonState&, const EditorButtonState&) = default;
};

}  // namespace vlt
