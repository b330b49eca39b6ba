#include "screens/save_images/still_image_watermarks_section.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/localized_string.h"
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

using Field = StillImageWatermarkField;

QLabel* callout(const QString& text, const QColor& colour, QWidget* parent) {
    return makeSettingsLabel(text, textStyleFont(TextStyle::callout), colour, parent, true);
}

QLabel* heading(const QString& text, QWidget* parent) {
    return makeSettingsLabel(text, textStyleFont(TextStyle::title3, QFont::DemiBold), ModalPalette::textPrimary(),
                             parent);
}

// A toggle with the line under it, as one group.
QWidget* toggleGroup(QCheckBox*& toggle, QLabel*& summary, const QString& title, QWidget* parent) {
    auto* group = new QWidget(parent);
    QVBoxLayout* column = makeSettingsColumn(group, 4);
    toggle = new QCheckBox(title, group);
    toggle->setFont(textStyleFont(TextStyle::body));
    summary = callout(QString(), ModalPalette::textSecondary(), group);
    column->addWidget(toggle);
    column->addWidget(summary);
    return group;
}

void showSummary(QLabel& label, bool enabled, const QString& enabledText, const QString& disabledText) {
    label.setText(enabled ? enabledText : disabledText);
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, enabled ? ModalPalette::textSecondary() : ModalPalette::textMuted());
    label.setPalette(colours);
}

}  // namespace

QString StillImageWatermarksSection::websiteMessageText() {
    static const QString text =
        localizedString("Enter a complete http:// or https:// address such as %1, or leave this field empty.")
            .arg(QStringLiteral("https://www.example.com"));
    return text;
}

StillImageWatermarksSection::StillImageWatermarksSection(StillImageSaveViewModel& viewModel, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel) {
    setObjectName(QStringLiteral("stillImageWatermarksSection"));
    QVBoxLayout* column = makeSettingsColumn(this, 18);
    column->addWidget(new SettingsSectionHeader(
        localizedString("Watermarks"), localizedString("Choose the information included in saved images."), this));
    column->addWidget(buildIncludeCard());
    column->addWidget(new SettingsNoteBox(
        localizedString("Export watermarks use white text with a black outline. Contact information appears once at "
                        "the lower-left of each saved file."),
        QString(), this));

    disclosure_ = new QPushButton(this);
    disclosure_->setFlat(true);
    disclosure_->setFont(textStyleFont(TextStyle::body));
    disclosure_->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding: 4px 0; border: none; }"));
    disclosure_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Reached by Tab only, as the dialog's buttons: after a click Return still saves.
    disclosure_->setFocusPolicy(Qt::TabFocus);
    connect(disclosure_, &QPushButton::clicked, this, [this] { viewModel_.toggleWatermarkEditor(); });
    column->addWidget(disclosure_);
    column->addWidget(buildEditor());
}

QWidget* StillImageWatermarksSection::buildIncludeCard() {
    auto* card = new SettingsSectionCard(this);
    card->column()->setSpacing(14);
    card->column()->addWidget(
        toggleGroup(labels_, labelsSummary_, localizedString("Include Original / Simulation labels"), card));
    card->column()->addWidget(
        toggleGroup(contact_, contactSummary_, localizedString("Include contact information"), card));
    connect(labels_, &QCheckBox::clicked, this, [this](bool checked) { viewModel_.setIncludeLabels(checked); });
    connect(contact_, &QCheckBox::clicked, this,
            [this](bool checked) { viewModel_.setIncludeContactInformation(checked); });
    return card;
}

QWidget* StillImageWatermarksSection::textField(const QString& label, Field field, QLabel** message, QWidget* parent) {
    auto* column = new QWidget(parent);
    QVBoxLayout* layout = makeSettingsColumn(column, 5);
    auto* labelled = new SettingsLabeledTextField(label, column);
    SettingsTextField* text = labelled->field();
    text->setPlaceholderText(label);
    connect(text, &QLineEdit::textEdited, this,
            [this, field](const QString& typed) { viewModel_.editWatermarkText(field, typed); });
    fields_[field] = text;
    layout->addWidget(labelled);
    if (message != nullptr) {
        *message = callout(QString(), ModalPalette::errorText(), column);
        layout->addWidget(*message);
    }
    layout->addStretch(1);
    return column;
}

QWidget* StillImageWatermarksSection::buildEditor() {
    auto* card = new SettingsSectionCard(this);
    editor_ = card;
    card->column()->setSpacing(12);
    card->column()->addWidget(
        callout(localizedString("Changes made here are also saved in Settings, even if image saving is cancelled."),
                ModalPalette::textMuted(), card));
    card->column()->addWidget(heading(localizedString("Original / Simulation labels"), card));
    // Each row's fields are made one after the other, so that they are made in the order shown.
    const auto addRow = [this, card](const QString& leftLabel, Field left, QLabel** leftMessage,
                                     const QString& rightLabel, Field right, QLabel** rightMessage) {
        QWidget* leading = textField(leftLabel, left, leftMessage, card);
        QWidget* trailing = textField(rightLabel, right, rightMessage, card);
        card->column()->addWidget(makeEqualSettingsColumns(leading, trailing, 16, card));
    };
    addRow(localizedString("Original label"), Field::originalLabel, nullptr, localizedString("Simulation label"),
           Field::simulationLabel, nullptr);
    card->column()->addSpacing(4);
    card->column()->addWidget(heading(localizedString("Contact information"), card));
    addRow(localizedString("Name"), Field::contactName, nullptr, localizedString("Email"), Field::contactEmail,
           &emailMessage_);
    addRow(localizedString("Phone number"), Field::contactPhoneNumber, nullptr, localizedString("Web site address"),
           Field::contactWebsite, &websiteMessage_);
    emailMessage_->setText(localizedString("Enter a valid email address, or leave this field empty."));
    websiteMessage_->setText(websiteMessageText());

    static const QString addressLabel = localizedString("Address");
    auto* addressColumn = new QWidget(card);
    QVBoxLayout* address = makeSettingsColumn(addressColumn, 5);
    QLabel* addressTitle = makeSettingsFieldLabel(addressLabel, addressColumn);
    address_ = new SettingsTextEditor(addressMinimumHeight, addressColumn);
    address_->setAccessibleName(addressLabel);
    addressTitle->setBuddy(address_);
    connect(address_, &QPlainTextEdit::textChanged, this,
            [this] { viewModel_.editWatermarkText(Field::contactAddress, address_->toPlainText()); });
    fields_[Field::contactAddress] = address_;
    address->addWidget(addressTitle);
    address->addWidget(address_);
    card->column()->addWidget(addressColumn);
    card->column()->addWidget(
        textField(localizedString("Free text (for example, a disclaimer)"), Field::contactFreeText, nullptr, card));
    return card;
}

void StillImageWatermarksSection::refresh() {
    labels_->setChecked(viewModel_.includeLabels());
    labels_->setEnabled(viewModel_.hasLabels());
    showSummary(*labelsSummary_, viewModel_.hasLabels(),
                viewModel_.hasLabels() ? viewModel_.labelSummaryText() : QString(),
                localizedString("Add an Original or Simulation label to enable this option."));
    contact_->setChecked(viewModel_.includeContactInformation());
    contact_->setEnabled(viewModel_.hasContactInformation());
    showSummary(*contactSummary_, viewModel_.hasContactInformation(),
                localizedString("Contact information can be added to images shared with patients or colleagues."),
                localizedString("Add contact information to enable this option."));

    static const QString editTitle = localizedString("Edit watermark information…");
    const bool expanded = viewModel_.isWatermarkEditorExpanded();
    disclosure_->setText((expanded ? QStringLiteral("▾  ") : QStringLiteral("▸  ")) + editTitle);
    disclosure_->setAccessibleName(editTitle);
    editor_->setVisible(expanded);

    const WatermarkTexts& draft = viewModel_.watermarkDraft();
    for (const auto& [field, widget] : fields_) {
        if (auto* line = qobject_cast<SettingsTextField*>(widget)) line->showText(watermarkText(draft, field));
    }
    address_->showText(draft.contactAddress);
    emailMessage_->setVisible(!viewModel_.isContactEmailValid());
    websiteMessage_->setVisible(!viewModel_.isContactWebsiteValid());
}

}  // namespace vlt
