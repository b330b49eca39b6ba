#include "ui/settings_section_header.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/settings_section_layout.h"
#include "ui/modal_palette.h"
#include "ui/text_style.h"

namespace vlt {

SettingsSectionHeader::SettingsSectionHeader(const QString& title, const QString& description, QWidget* parent)
    : QWidget(parent) {
    title_ = makeSettingsLabel(title, textStyleFont(TextStyle::title2), ModalPalette::textPrimary(), this);
    description_ =
        makeSettingsLabel(description, textStyleFont(TextStyle::body), ModalPalette::textMuted(), this, true);
    QVBoxLayout* column = makeSettingsColumn(this, 7);
    column->addWidget(title_);
    column->addWidget(description_);
}

}  // namespace vlt
