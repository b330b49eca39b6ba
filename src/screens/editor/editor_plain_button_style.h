#pragma once

#include "screens/editor/editor_button_style.h"

namespace vlt {

// No face: the label brings its own colour. Dimmed while pressed and when disabled.
class EditorPlainButtonStyle final : public EditorButtonStyle {
public:
    static const EditorPlainButtonStyle& shared();

    double opacity(const EditorButtonState& state) const override;
};

}  // namespace vlt
