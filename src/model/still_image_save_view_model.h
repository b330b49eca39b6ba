#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "model/app_model.h"
#include "foundation/application_settings.h"
#include "output/still/still_image_export_options.h"
#include "output/still/still_image_kind.h"

namespace vlt {

// The four sections of the Save images dialog, in the order of its navigation.
enum class StillImageSaveSection { whereWhat, fileFormat, imageSize, watermarks };

inline constexpr std::array kAllStillImageSaveSections = {
    StillImageSaveSection::whereWhat, StillImageSaveSection::fileFormat, StillImageSaveSection::imageSize,
    StillImageSaveSection::watermarks};

// "Where / What", "File Format", "Saved image size", "Watermarks".
QString stillImageSaveSectionTitle(StillImageSaveSection section);

// The eight texts the dialog's watermark editor changes, in the editor's order.
enum class StillImageWatermarkField {
    originalLabel,
    simulationLabel,
    contactName,
    contactEmail,
    contactPhoneNumber,
    contactWebsite,
    contactAddress,
    contactFreeText,
};

// The characters (as a reader counts them) a field keeps of what is typed or pasted.
qsizetype stillImageWatermarkFieldLimit(StillImageWatermarkField field);
const QString& watermarkText(const WatermarkTexts& texts, StillImageWatermarkField field);

// Either label, or any contact text, holds more than blanks.
bool hasWatermarkLabels(const WatermarkTexts& texts);
bool hasWatermarkContactInformation(const WatermarkTexts& texts);

// What keeps Save from being offered, in the order it is checked.
enum class StillImageSaveBlocker { noDestination, invalidBaseName, invalidSubfolder, invalidSize, invalidContact };

// Everything the Save images dialog decides, without a widget: its state seeded from
// the settings and the editor when it opens, the checks of every field, the options a
// Save hands to the model, and which choices are written back into the settings at
// once (they survive Cancel; names and destination never do). The dialog's widgets
// report the user's edits here and show what stateChanged() says changed, the model's
// destination included.
class StillImageSaveViewModel final : public QObject {
    Q_OBJECT

public:
    // `now` dates the proposed base name.
    StillImageSaveViewModel(AppModel& model, const QDateTime& now, QObject* parent = nullptr);

    AppModel& model() const { return *model_; }

    // The dialog's own state

    StillImageSaveSection selectedSection() const { return selectedSection_; }
    const QString& subfolderName() const { return subfolderName_; }
    const QString& baseName() const { return baseName_; }
    StillImageSaveSelection selection() const { return selection_; }
    StillImageFileFormat fileFormat() const { return fileFormat_; }
    std::int64_t jpegQuality() const { return jpegQuality_; }
    bool automaticallySizeImages() const { return automaticallySizeImages_; }
    const QString& individualMaximumText() const { return individualMaximumText_; }
    const QString& comparisonMaximumText() const { return comparisonMaximumText_; }
    // The toggles as the user left them; what a save uses is includesLabels() and
    // includesContactInformation().
    bool includeLabels() const { return includeLabels_; }
    bool includeContactInformation() const { return includeContactInformation_; }
    const WatermarkTexts& watermarkDraft() const { return draft_; }
    bool isWatermarkEditorExpanded() const { return isWatermarkEditorExpanded_; }
    bool isSelectedFolderExplanationPresented() const { return isSelectedFolderExplanationPresented_; }
    // The canvas size and the tab the dialog opened on, fixed for its life.
    std::int64_t width() const { return width_; }
    std::int64_t height() const { return height_; }
    StillImageKind currentTab() const { return currentTab_; }

    // Derived, from the state and the current settings

    std::optional<QString> subfolderMessage() const;
    std::optional<QString> baseNameMessage() const;
    // Version 01 of every file the selection writes; empty while the base name is invalid.
    QStringList previewFileNames() const;
    QString selectionTitle(StillImageSaveSelection selection) const;
    QString dimensionsText() const;
    std::int64_t automaticIndividualMaximum() const;
    std::int64_t automaticComparisonMaximum() const;
    // Shown while Auto is off and the text gives no whole number in its range.
    std::optional<QString> individualMaximumMessage() const;
    std::optional<QString> comparisonMaximumMessage() const;
    QString comparisonMaximumHelpText() const;
    bool hasLabels() const { return hasWatermarkLabels(draft_); }
    bool hasContactInformation() const { return hasWatermarkContactInformation(draft_); }
    bool includesLabels() const { return includeLabels_ && hasLabels(); }
    bool includesContactInformation() const { return includeContactInformation_ && hasContactInformation(); }
    QString labelSummaryText() const;
    bool isContactEmailValid() const;
    bool isContactWebsiteValid() const;
    std::optional<StillImageSaveBlocker> saveBlocker() const;
    bool canSave() const { return !saveBlocker().has_value(); }
    StillImageExportOptions makeExportOptions() const;
    // The current settings with the draft's eight texts, normalised.
    ApplicationSettings makeWatermarkSettings() const;

    // Edits

    void selectSection(StillImageSaveSection section);
    // Text fields keep their first 255 (subfolder) and 180 (base name) characters.
    void editSubfolderName(const QString& text);
    void editBaseName(const QString& text);
    void selectSelection(StillImageSaveSelection selection);
    void selectFileFormat(StillImageFileFormat format);
    // The slider's value, rounded to a whole percent (halves away from zero).
    void selectJpegQuality(double value);
    void setAutomaticallySizeImages(bool automatic);
    void editIndividualMaximumText(const QString& text);
    void editComparisonMaximumText(const QString& text);
    void setIncludeLabels(bool include);
    void setIncludeContactInformation(bool include);
    void editWatermarkText(StillImageWatermarkField field, const QString& text);
    void toggleWatermarkEditor();
    void toggleSelectedFolderExplanation();
    void dismissSelectedFolderExplanation();

    // Actions

    // Save: hands the names as typed and the options to the model.
    void save();
    void cancel();
    void browseForFolder();
    void usePicturesFolder();

signals:
    // The dialog's state, the settings or the model's still-image state changed.
    void stateChanged();

private:
    void update(const std::function<void()>& edit);
    void persistPreferences(std::optional<bool> automatic = std::nullopt,
                            std::optional<std::int64_t> individual = std::nullopt,
                            std::optional<std::int64_t> comparison = std::nullopt);
    void persistWatermarkDraft();
    std::int64_t maximumImageSide() const;
    std::optional<std::int64_t> individualMaximum() const;
    std::optional<std::int64_t> comparisonMaximum() const;

    QPointer<AppModel> model_;
    StillImageSaveSection selectedSection_ = StillImageSaveSection::whereWhat;
    QString subfolderName_;
    QString baseName_;
    StillImageSaveSelection selection_;
    StillImageFileFormat fileFormat_;
    std::int64_t jpegQuality_;
    bool automaticallySizeImages_;
    QString individualMaximumText_;
    QString comparisonMaximumText_;
    bool includeLabels_;
    bool includeContactInformation_;
    WatermarkTexts draft_;
    bool previouslyHadLabels_;
    bool previouslyHadContactInformation_;
    bool isWatermarkEditorExpanded_ = false;
    bool isSelectedFolderExplanationPresented_ = false;
    std::int64_t width_ = 1;
    std::int64_t height_ = 1;
    StillImageKind currentTab_ = StillImageKind::comparison;
};

}  // namespace vlt
