#include "ui/settings_labeled_text_field.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/settings_section_layout.h"
#include "ui/modal_palette.h"
#include "ui/settings_text_field.h"
#include "ui/text_style.h"

namespace vlt {

QLabel* makeSettingsFieldLabel(const QString& text, QWidget* parent, bool wraps) {
    return makeSettingsLabel(text, textStyleFont(TextStyle::callout, QFont::Medium), ModalPalette::textSecondary(),
                             parent, wraps);
}

SettingsLabeledTextField::SettingsLabeledTextField(const QString& label, QWidget* parent) : QWidget(parent) {
    // A column may be narrower than a long label: the label wraps above its field.
    label_ = makeSettingsFieldLabel(label, this, true);
    field_ = new SettingsTextField(this);
    field_->setAccessibleName(label);
    label_->setBuddy(field_);
    QVBoxLayout* column = makeSettingsColumn(this, 5);
    column->addWidget(label_);
    column->addWidget(field_);
}

}  // namespace vlt
