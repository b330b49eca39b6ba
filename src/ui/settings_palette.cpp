#include "ui/settings_palette.h"

#include "ui/modal_palette.h"

namespace vlt {

const QColor& SettingsPalette::ink() { return ModalPalette::textPrimary(); }
const QColor& SettingsPalette::bodyInk() { return ModalPalette::textSecondary(); }
const QColor& SettingsPalette::secondaryInk() { return ModalPalette::textMuted(); }
const QColor& SettingsPalette::accent() { return ModalPalette::accent(); }
const QColor& SettingsPalette::border() { return ModalPalette::cardBorder(); }
const QColor& SettingsPalette::hairline() { return ModalPalette::divider(); }
const QColor& SettingsPalette::surfaceBorder() { return ModalPalette::surfaceBorder(); }
const QColor& SettingsPalette::chrome() { return ModalPalette::headerFill(); }
const QColor& SettingsPalette::keyFill() { return ModalPalette::panelFill(); }
const QColor& SettingsPalette::veil() { return ModalPalette::veil(); }

}  // namespace vlt
