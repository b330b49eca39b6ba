#include "ui/settings_secondary_button_style.h"

#include "ui/modal_palette.h"

namespace vlt {

SettingsSecondaryButtonStyle::SettingsSecondaryButtonStyle()
    : DialogButtonStyle(Metrics{84, 36, 18, 6.0, QFont::Medium}) {}

void SettingsSecondaryButtonStyle::apply(QPushButton& button) { install(button, new SettingsSecondaryButtonStyle); }

RoundedButtonFace SettingsSecondaryButtonStyle::face(bool, bool isPressed) const {
    QColor fill = Qt::white;
    fill.setAlphaF(isPressed ? 0.65f : 1.0f);
    return {metrics().cornerRadius, fill, ModalPalette::cardBorder(), 1.0};
}

QColor SettingsSecondaryButtonStyle::labelColor() const { return ModalPalette::textPrimary(); }

}  // namespace vlt
