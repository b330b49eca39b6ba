#pragma once

#include <QWidget>
#include <map>

#include "foundation/still_image_file_format.h"

class QLabel;
class QRadioButton;

namespace vlt {

class SettingsNoteBox;
class SettingsSingleTrackSlider;
class StillImageSaveViewModel;

// "File format": JPEG or PNG, and for JPEG the quality from 60 to 100 (kept while PNG
// is chosen); for PNG a note on its size.
class StillImageFileFormatSection final : public QWidget {
    Q_OBJECT

public:
    StillImageFileFormatSection(StillImageSaveViewModel& viewModel, QWidget* parent = nullptr);

    static constexpr int qualityValueWidth = 32;

    QRadioButton* formatOption(StillImageFileFormat format) const { return formats_.at(format); }
    QWidget* qualityRow() const { return qualityRow_; }
    SettingsSingleTrackSlider* qualitySlider() const { return slider_; }
    QLabel* qualityValueLabel() const { return qualityValue_; }
    SettingsNoteBox* pngNote() const { return pngNote_; }

    void refresh();

private:
    StillImageSaveViewModel& viewModel_;
    std::map<StillImageFileFormat, QRadioButton*> formats_;
    QWidget* qualityRow_ = nullptr;
    SettingsSingleTrackSlider* slider_ = nullptr;
    QLabel* qualityValue_ = nullptr;
    SettingsNoteBox* pngNote_ = nullptr;
};

}  // namespace vlt
