#include "screens/save_images/still_image_size_section.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "model/still_image_save_view_model.h"
#include "foundation/localized_string.h"
#include "ui/settings_note_box.h"
#include "ui/settings_section_header.h"
#include "ui/settings_section_layout.h"
#include "ui/modal_palette.h"
#include "ui/settings_section_card.h"
#include "ui/settings_text_field.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

QLabel* callout(const QString& text, const QColor& colour, QWidget* parent) {
    return makeSettingsLabel(text, textStyleFont(TextStyle::callout), colour, parent, true);
}

// A limit's card: its name, the field, the help and the range message.
SettingsSectionCard* limitCard(const QString& title, SettingsTextField*& field, QLabel*& help, QLabel*& message,
                               QWidget* parent) {
    auto* card = new SettingsSectionCard(parent);
    card->column()->setSpacing(8);
    card->column()->addWidget(makeSettingsLabel(title, textStyleFont(TextStyle::title3, QFont::DemiBold),
                                                ModalPalette::textPrimary(), card, true));
    field = new SettingsTextField(card);
    field->setAccessibleName(title);
    field->setMaximumWidth(StillImageSizeSection::fieldMaximumWidth);
    card->column()->addWidget(field);
    help = callout(QString(), ModalPalette::textSecondary(), card);
    card->column()->addWidget(help);
    message = callout(QString(), ModalPalette::errorText(), card);
    card->column()->addWidget(message);
    return card;
}

void showMessage(QLabel& label, const std::optional<QString>& message) {
    label.setText(message.value_or(QString()));
    label.setVisible(message.has_value());
}

}  // namespace

StillImageSizeSection::StillImageSizeSection(StillImageSaveViewModel& viewModel, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel) {
    setObjectName(QStringLiteral("stillImageSizeSection"));
    QVBoxLayout* column = makeSettingsColumn(this, 18);
    column->addWidget(new SettingsSectionHeader(
        localizedString("Saved image size"),
        localizedString("These optional settings allow you to control the pixel dimensions of your saved images."),
        this));
    dimensions_ = makeSettingsLabel(viewModel_.dimensionsText(), textStyleFont(TextStyle::body, QFont::Medium),
                                    ModalPalette::textSecondary(), this, true);
    column->addWidget(dimensions_);

    auto* automatic = new SettingsSectionCard(this);
    automatic->column()->setSpacing(8);
    auto_ = new QCheckBox(localizedString("Auto"), automatic);
    auto_->setFont(textStyleFont(TextStyle::body));
    connect(auto_, &QCheckBox::clicked, this, [this](bool checked) { viewModel_.setAutomaticallySizeImages(checked); });
    automatic->column()->addWidget(auto_);
    automatic->column()->addWidget(
        callout(localizedString("Automatically adapts both saved-image size limits to the current image dimensions."),
                ModalPalette::textSecondary(), automatic));
    column->addWidget(automatic);

    QLabel* individualHelp = nullptr;
    column->addWidget(limitCard(localizedString("Original and Simulation maximum dimension (px)"), individual_,
                                individualHelp, individualMessage_, this));
    individualHelp->setText(localizedString(
        "Limits the longest side of the Original and Simulation images when Auto is off. Aspect ratio is preserved."));
    connect(individual_, &QLineEdit::textEdited, this,
            [this](const QString& text) { viewModel_.editIndividualMaximumText(text); });
    column->addWidget(limitCard(localizedString("Comparison maximum stacked dimension (px)"), comparison_,
                                comparisonHelp_, comparisonMessage_, this));
    connect(comparison_, &QLineEdit::textEdited, this,
            [this](const QString& text) { viewModel_.editComparisonMaximumText(text); });

    column->addWidget(new SettingsNoteBox(
        localizedString("Neither setting enlarges an Original or Simulation image. A Comparison image combines two "
                        "image panes, so its total width or height can be up to twice the corresponding current "
                        "image dimension."),
        QString(), this));
}

void StillImageSizeSection::refresh() {
    const bool automatic = viewModel_.automaticallySizeImages();
    auto_->setChecked(automatic);
    individual_->showText(viewModel_.individualMaximumText());
    individual_->setEnabled(!automatic);
    showMessage(*individualMessage_, viewModel_.individualMaximumMessage());
    comparison_->showText(viewModel_.comparisonMaximumText());
    comparison_->setEnabled(!automatic);
    comparisonHelp_->setText(viewModel_.comparisonMaximumHelpText());
    showMessage(*comparisonMessage_, viewModel_.comparisonMaximumMessage());
}

}  // namespace vlt
