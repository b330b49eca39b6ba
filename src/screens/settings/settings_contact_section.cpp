#include "screens/settings/settings_contact_section.h"

#include <QLabel>
#include <QVBoxLayout>

#include "foundation/contact_validation.h"
#include "foundation/localized_string.h"
#include "screens/settings/settings_draft_controller.h"
#include "ui/settings_labeled_text_field.h"
#include "ui/settings_note_box.h"
#include "ui/settings_section_header.h"
#include "ui/settings_section_layout.h"
#include "ui/modal_palette.h"
#include "ui/settings_section_card.h"
#include "ui/settings_text_editor.h"
#include "ui/settings_text_field.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr int kAddressMinimumHeight = 92;

}  // namespace

QString SettingsContactSection::websiteMessageText() {
    static const QString text =
        localizedString("Enter a complete http:// or https:// address such as %1, or leave the field empty.")
            .arg(QStringLiteral("https://www.example.com"));
    return text;
}

SettingsContactSection::SettingsContactSection(SettingsDraftController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setObjectName(QStringLiteral("settingsContactSection"));
    static const QString title = localizedString("Contact information");
    static const QString description = localizedString(
        "Contact information can be included in saved, shared, or printed images. Enter it once here, then choose "
        "for each output whether to include it—for example, when distributing images to colleagues or patients.");
    static const QString emailMessage = localizedString("Enter a valid email address, or leave the field empty.");
    static const QString note = localizedString("Stored locally. Never included unless you select it for that output.");

    auto* card = new SettingsSectionCard(this);
    card->column()->setSpacing(12);
    // Each field is made before the next one, so that they are made in the order shown.
    QWidget* name = makeFieldColumn(SettingsContactField::name, localizedString("Name"), nullptr, QString());
    QWidget* email =
        makeFieldColumn(SettingsContactField::email, localizedString("Email"), &emailMessage_, emailMessage);
    card->column()->addWidget(makeEqualSettingsColumns(name, email, 16, card));
    QWidget* phone =
        makeFieldColumn(SettingsContactField::phoneNumber, localizedString("Phone number"), nullptr, QString());
    QWidget* website = makeFieldColumn(SettingsContactField::website, localizedString("Web site"), &websiteMessage_,
                                       websiteMessageText());
    card->column()->addWidget(makeEqualSettingsColumns(phone, website, 16, card));

    static const QString addressLabel = localizedString("Address");
    auto* addressColumn = new QWidget(card);
    QVBoxLayout* addressLayout = makeSettingsColumn(addressColumn, 5);
    QLabel* addressTitle = makeSettingsFieldLabel(addressLabel, addressColumn);
    address_ = new SettingsTextEditor(kAddressMinimumHeight, addressColumn);
    address_->setAccessibleName(addressLabel);
    addressTitle->setBuddy(address_);
    addressLayout->addWidget(addressTitle);
    addressLayout->addWidget(address_);
    card->column()->addWidget(addressColumn);
    connect(address_, &QPlainTextEdit::textChanged, this, [this] {
        if (!isRefreshing_) controller_.writeContactField(SettingsContactField::address, address_->toPlainText());
    });

    card->column()->addWidget(makeFieldColumn(
        SettingsContactField::freeText, localizedString("Free text (for example, a disclaimer)"), nullptr, QString()));

    QVBoxLayout* column = makeSettingsColumn(this, 12);
    column->addWidget(new SettingsSectionHeader(title, description, this));
    column->addWidget(card);
    column->addWidget(new SettingsNoteBox(note, QStringLiteral("settings-lock"), this));
}

QWidget* SettingsContactSection::makeFieldColumn(SettingsContactField field, const QString& label, QLabel** message,
                                                 const QString& messageText) {
    auto* column = new QWidget(this);
    QVBoxLayout* layout = makeSettingsColumn(column, 4);
    auto* labeled = new SettingsLabeledTextField(label, column);
    layout->addWidget(labeled);
    SettingsTextField* textField = labeled->field();
    fields_[field] = textField;
    connect(textField, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { controller_.writeContactField(field, text); });
    if (message != nullptr) {
        *message = makeSettingsLabel(messageText, textStyleFont(TextStyle::subheadline), ModalPalette::errorText(),
                                     column, true);
        layout->addWidget(*message);
    }
    return column;
}

QWidget* SettingsContactSection::control(SettingsContactField field) const {
    if (field == SettingsContactField::address) return address_;
    return fields_.at(field);
}

SettingsTextField* SettingsContactSection::textField(SettingsContactField field) const {
    auto found = fields_.find(field);
    return found != fields_.end() ? found->second : nullptr;
}

void SettingsContactSection::refresh() {
    const SettingsDraft& draft = controller_.draft();
    isRefreshing_ = true;
    for (const auto& [field, textField] : fields_) textField->showText(draft.contact(field));
    address_->showText(draft.contactAddress);
    isRefreshing_ = false;
    emailMessage_->setVisible(!isValidContactEmail(draft.contactEmail));
    websiteMessage_->setVisible(!isValidContactWebsite(draft.contactWebsite));
}

}  // namespace vlt
