#include "screens/settings/settings_performance_section.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "foundation/application_settings.h"
#include "foundation/localized_string.h"
#include "screens/settings/settings_draft_controller.h"
#include "ui/settings_note_box.h"
#include "ui/settings_section_header.h"
#include "ui/settings_section_layout.h"
#include "ui/modal_palette.h"
#include "ui/settings_section_card.h"
#include "ui/settings_single_track_slider.h"
#include "ui/settings_text_field.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr int kNumberFieldWidth = 82;
constexpr int kSpaceAboveSubheading = 10;

// Each character the filter drops before the caret moves the caret back by one.
int caretAfterFilter(const QString& typed, int caret) {
    int kept = 0;
    for (int index = 0; index < caret && index < typed.size(); ++index) {
        if (typed[index] >= u'0' && typed[index] <= u'9') ++kept;
    }
    return kept;
}

}  // namespace

SettingsPerformanceSection::SettingsPerformanceSection(SettingsDraftController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setObjectName(QStringLiteral("settingsPerformanceSection"));
    static const QString title = localizedString("Performance");
    static const QString description =
        localizedString("Balance editing responsiveness and resource use on this computer.");
    static const QString subheading = localizedString("Canvas size");
    static const QString explanation = localizedString(
        "Set the maximum working canvas size. Smaller images are unaffected. Larger images are scaled down to the "
        "maximum size set here.");
    static const QString sideLabel = localizedString("Maximum image side");
    static const QString unit = localizedString("px");
    static const QString note = localizedString(
        "We recommend keeping the default value. If image manipulation feels slow on a less powerful computer, try "
        "reducing the maximum image size to improve responsiveness. The current image will not be resized; this "
        "setting applies to the next image you open.");

    auto* card = new SettingsSectionCard(this);
    card->column()->setSpacing(14);

    auto* numberRow = new QHBoxLayout;
    numberRow->setSpacing(12);
    numberRow->addWidget(
        makeSettingsLabel(sideLabel, textStyleFont(TextStyle::body), ModalPalette::textPrimary(), card));
    number_ = new SettingsTextField(card);
    number_->setFixedWidth(kNumberFieldWidth);
    number_->setAccessibleName(sideLabel);
    numberRow->addWidget(number_);
    numberRow->addWidget(makeSettingsLabel(unit, textStyleFont(TextStyle::callout), ModalPalette::textMuted(), card));
    numberRow->addStretch(1);
    card->column()->addLayout(numberRow);

    const QFont boundFont = textStyleFont(TextStyle::callout);
    auto* sliderRow = new QHBoxLayout;
    sliderRow->setSpacing(10);
    sliderRow->addWidget(makeSettingsLabel(QString::number(ApplicationSettings::kMinimumImageSide), boundFont,
                                           ModalPalette::textSecondary(), card));
    SettingsSingleTrackSlider::Configuration configuration;
    configuration.lower = static_cast<double>(ApplicationSettings::kMinimumImageSide);
    configuration.upper = static_cast<double>(ApplicationSettings::kMaximumImageSide);
    configuration.step = 1.0;
    configuration.knobDiameter = 16.0;
    configuration.trackHeight = 4.0;
    slider_ = new SettingsSingleTrackSlider(configuration, card);
    slider_->setAccessibleName(sideLabel);
    sliderRow->addWidget(slider_, 1);
    sliderRow->addWidget(makeSettingsLabel(QString::number(ApplicationSettings::kMaximumImageSide), boundFont,
                                           ModalPalette::textSecondary(), card));
    card->column()->addLayout(sliderRow);
    card->column()->addWidget(new SettingsNoteBox(note, QString(), card));

    connect(number_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int caret = caretAfterFilter(text, number_->cursorPosition());
        controller_.filterMaximumImageSideText(text);
        number_->setCursorPosition(std::min(caret, static_cast<int>(number_->text().size())));
    });
    connect(number_, &QLineEdit::returnPressed, this, [this] { controller_.commitMaximumImageSideText(); });
    connect(slider_, &SettingsSingleTrackSlider::valueEdited, this,
            [this](double value) { controller_.commitMaximumImageSide(value); });

    QVBoxLayout* column = makeSettingsColumn(this, 12);
    column->addWidget(new SettingsSectionHeader(title, description, this));
    column->addSpacing(kSpaceAboveSubheading);
    column->addWidget(makeSettingsLabel(subheading, textStyleFont(TextStyle::title3, QFont::DemiBold),
                                        ModalPalette::textPrimary(), this));
    column->addWidget(
        makeSettingsLabel(explanation, textStyleFont(TextStyle::body), ModalPalette::textMuted(), this, true));
    column->addWidget(card);
}

void SettingsPerformanceSection::refresh() {
    number_->showText(controller_.draft().maximumImageSideText);
    slider_->setValue(static_cast<double>(controller_.draft().maximumImageSide));
}

}  // namespace vlt
