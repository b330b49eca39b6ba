#include "screens/save_images/still_image_file_format_section.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/still_image_save_view_model.h"
#include "foundation/localized_string.h"
#include "output/still/still_image_file_format_names.h"
#include "ui/settings_labeled_text_field.h"
#include "ui/settings_note_box.h"
#include "ui/settings_section_header.h"
#include "ui/settings_section_layout.h"
#include "ui/modal_palette.h"
#include "ui/settings_section_card.h"
#include "ui/settings_single_track_slider.h"
#include "ui/text_style.h"

namespace vlt {

StillImageFileFormatSection::StillImageFileFormatSection(StillImageSaveViewModel& viewModel, QWidget* parent)
    : QWidget(parent), viewModel_(viewModel) {
    setObjectName(QStringLiteral("stillImageFileFormatSection"));
    static const QString format = localizedString("Format");

    auto* card = new SettingsSectionCard(this);
    card->column()->setSpacing(14);
    card->column()->addWidget(makeSettingsLabel(format, textStyleFont(TextStyle::title3, QFont::DemiBold),
                                                ModalPalette::textPrimary(), card));

    // The radio group; its label names it for assistive technologies only.
    auto* picker = new QWidget(card);
    picker->setAccessibleName(format);
    QVBoxLayout* options = makeSettingsColumn(picker, 6);
    auto* group = new QButtonGroup(picker);
    for (const StillImageFileFormat option : {StillImageFileFormat::jpeg, StillImageFileFormat::png}) {
        auto* button = new QRadioButton(stillImageFileFormatTitle(option), picker);
        button->setFont(textStyleFont(TextStyle::body));
        group->addButton(button, static_cast<int>(option));
        formats_[option] = button;
        options->addWidget(button);
    }
    connect(group, &QButtonGroup::idClicked, this,
            [this](int id) { viewModel_.selectFileFormat(static_cast<StillImageFileFormat>(id)); });
    card->column()->addWidget(picker);

    // JPEG: the quality.
    qualityRow_ = new QWidget(card);
    QVBoxLayout* quality = makeSettingsColumn(qualityRow_, 8);
    auto* sliderRow = new QWidget(qualityRow_);
    auto* row = new QHBoxLayout(sliderRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addWidget(makeSettingsFieldLabel(localizedString("JPEG quality"), sliderRow));
    slider_ = new SettingsSingleTrackSlider({double(ApplicationSettings::kMinimumJpegQuality),
                                             double(ApplicationSettings::kMaximumJpegQuality), 1.0, 16.0, 4.0},
                                            sliderRow);
    slider_->setAccessibleName(localizedString("JPEG quality"));
    connect(slider_, &SettingsSingleTrackSlider::valueEdited, this,
            [this](double value) { viewModel_.selectJpegQuality(value); });
    row->addWidget(slider_, 1);
    // The application's font sets its digits at one width, so the value does not jitter.
    qualityValue_ =
        makeSettingsLabel(QString(), textStyleFont(TextStyle::body), ModalPalette::textPrimary(), sliderRow);
    qualityValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    qualityValue_->setFixedWidth(qualityValueWidth);
    row->addWidget(qualityValue_);
    quality->addWidget(sliderRow);
    quality->addWidget(makeSettingsLabel(
        localizedString("Higher quality preserves more photographic detail but produces a larger file."),
        textStyleFont(TextStyle::callout), ModalPalette::textSecondary(), qualityRow_, true));
    card->column()->addWidget(qualityRow_);

    // PNG: the note.
    pngNote_ = new SettingsNoteBox(localizedString("PNG is the default lossless format, but it produces larger files."),
                                   QString(), card);
    card->column()->addWidget(pngNote_);

    QVBoxLayout* column = makeSettingsColumn(this, 18);
    column->addWidget(new SettingsSectionHeader(localizedString("File format"),
                                                localizedString("Choose the file type for saved images."), this));
    column->addWidget(card);
}

void StillImageFileFormatSection::refresh() {
    const StillImageFileFormat format = viewModel_.fileFormat();
    formats_.at(format)->setChecked(true);
    qualityRow_->setVisible(format == StillImageFileFormat::jpeg);
    pngNote_->setVisible(format == StillImageFileFormat::png);
    slider_->setValue(double(viewModel_.jpegQuality()));
    qualityValue_->setText(QString::number(viewModel_.jpegQuality()));
}

}  // namespace vlt
