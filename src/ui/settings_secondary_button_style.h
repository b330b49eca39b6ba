#pragma once

#include "ui/dialog_button_style.h"

namespace vlt {

// The look of a dialog's other actions: medium-weight label in the primary text
// colour on white (0.65 opacity while pressed) with a 1-point outline, 18 points of
// padding left and right, at least 84 × 36, corner radius 6. It has no disabled look.
class SettingsSecondaryButtonStyle final : public DialogButtonStyle {
    Q_OBJECT

public:
    static void apply(QPushButton& button);

protected:
    RoundedButtonFace face(bool isEnabled, bool isPressed) const override;
    QColor labelColor() const override;

private:
    SettingsSecondaryButtonStyle();
};

}  // namespace vlt
