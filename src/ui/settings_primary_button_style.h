#pragma once

#include "ui/dialog_button_style.h"

namespace vlt {

// The look of a dialog's main action: white semibold label on the accent colour
// (0.82 opacity while pressed), 18 points of padding left and right, at least 92 × 36,
// corner radius 6. A disabled button, also one disabled by its surroundings, shows the
// muted colour at half opacity and does not react to pressing.
class SettingsPrimaryButtonStyle final : public DialogButtonStyle {
    Q_OBJECT

public:
    // Gives the button this style and its font; the style is owned by the button.
    static void apply(QPushButton& button);

protected:
    RoundedButtonFace face(bool isEnabled, bool isPressed) const override;
    QColor labelColor() const override;

private:
    SettingsPrimaryButtonStyle();
};

}  // namespace vlt
