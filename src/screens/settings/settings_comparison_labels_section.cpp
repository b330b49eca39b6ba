#include "screens/settings/settings_comparison_labels_section.h"

#include <QLabel>
#include <QVBoxLayout>

#include "foundation/localized_string.h"
#include "screens/settings/settings_draft_controller.h"
#include "ui/settings_labeled_text_field.h"
#include "ui/settings_note_box.h"
#include "ui/settings_section_header.h"
#include "ui/settings_section_layout.h"
#include "ui/modal_palette.h"
#include "ui/settings_section_card.h"
#include "ui/settings_text_field.h"
#include "ui/text_style.h"

namespace vlt {

SettingsComparisonLabelsSection::SettingsComparisonLabelsSection(SettingsDraftController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setObjectName(QStringLiteral("settingsComparisonLabelsSection"));
    static const QString title = localizedString("Comparison labels");
    static const QString description = localizedString(
        "These watermark labels appear in the top corners of the editor's Comparison tab. You can also include them "
        "in saved, shared, and printed Comparison images.");
    static const QString note = localizedString(
        "Leave a field empty to hide its watermark label everywhere. Changes are reflected immediately.");

    auto* card = new SettingsSectionCard(this);
    card->column()->setSpacing(16);
    // Made one after the other, so that they are made in the order shown.
    QWidget* original = makeLabelColumn(localizedString("Original image label"),
                                        localizedString("Default: “Original” · left or bottom"), &original_);
    QWidget* simulation = makeLabelColumn(localizedString("Simulation image label"),
                                          localizedString("Default: “Simulation” · right or top"), &simulation_);
    card->column()->addWidget(makeEqualSettingsColumns(original, simulation, 16, card));
    card->column()->addWidget(new SettingsNoteBox(note, QString(), card));

    connect(original_, &QLineEdit::textEdited, this, [this](const QString& text) {
        controller_.commitComparisonLabel(text, SettingsDraftController::ComparisonLabel::original);
    });
    connect(simulation_, &QLineEdit::textEdited, this, [this](const QString& text) {
        controller_.commitComparisonLabel(text, SettingsDraftController::ComparisonLabel::simulation);
    });

    QVBoxLayout* column = makeSettingsColumn(this, 12);
    column->addWidget(new SettingsSectionHeader(title, description, this));
    column->addWidget(card);
}

QWidget* SettingsComparisonLabelsSection::makeLabelColumn(const QString& label, const QString& note,
                                                          SettingsTextField** field) {
    auto* column = new QWidget(this);
    QVBoxLayout* layout = makeSettingsColumn(column, 4);
    auto* labeled = new SettingsLabeledTextField(label, column);
    *field = labeled->field();
    layout->addWidget(labeled);
    layout->addWidget(
        makeSettingsLabel(note, textStyleFont(TextStyle::subheadline), ModalPalette::textMuted(), column, true));
    return column;
}

void SettingsComparisonLabelsSection::refresh() {
    original_->showText(controller_.draft().originalComparisonLabel);
    simulation_->showText(controller_.draft().simulationComparisonLabel);
}

}  // namespace vlt
