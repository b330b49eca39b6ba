#include "ui/settings_primary_button_style.h"

#include "ui/modal_palette.h"

namespace vlt {

SettingsPrimaryButtonStyle::SettingsPrimaryButtonStyle()
    : DialogButtonStyle(Metrics{92, 36, 18, 6.0, QFont::DemiBold}) {}

void SettingsPrimaryButtonStyle::apply(QPushButton& button) { install(button, new SettingsPrimaryButtonStyle); }

RoundedButtonFace SettingsPrimaryButtonStyle::face(bool isEnabled, bool isPressed) const {
    QColor fill = isEnabled ? ModalPalette::accent() : ModalPalette::textMuted();
    fill.setAlphaF(isEnabled ? (isPressed ? 0.82f : 1.0f) : 0.5f);
    return {metrics().cornerRadius, fill, QColor(), 1.0};
}

QColor SettingsPrimaryButtonStyle::labelColor() const { return Qt::white; }

}  // namespace vlt
