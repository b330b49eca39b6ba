#include "model/still_image_save_view_model.h"

#include <algorithm>
#include <cmath>

#include "model/app_model.h"
#include "editing/session/editor_session.h"
#include "foundation/contact_validation.h"
#include "foundation/interface_translations.h"
#include "foundation/localized_string.h"
#include "foundation/user_perceived_text.h"
#include "import/crop_document.h"
#include "output/still/still_image_file_naming.h"

namespace vlt {

namespace {

using Field = StillImageWatermarkField;

// The field's text in a draft, writable or not as the draft is.
template <typename Texts>
auto& textOf(Texts& texts, Field field) {
    switch (field) {
    case Field::originalLabel:
        return texts.originalComparisonLabel;
    case Field::simulationLabel:
        return texts.simulationComparisonLabel;
    case Field::contactName:
        return texts.contactName;
    case Field::contactEmail:
        return texts.contactEmail;
    case Field::contactPhoneNumber:
        return texts.contactPhoneNumber;
    case Field::contactWebsite:
        return texts.contactWebsite;
    case Field::contactAddress:
        return texts.contactAddress;
    case Field::contactFreeText:
        break;
    }
    return texts.contactFreeText;
}

bool isBlank(const QString& text) { return text.trimmed().isEmpty(); }

QString decimal(std::int64_t value) { return QString::number(value); }

}  // namespace

QString stillImageSaveSectionTitle(StillImageSaveSection section) {
    switch (section) {
    case StillImageSaveSection::whereWhat:
        return localizedString("Where / What");
    case StillImageSaveSection::fileFormat:
        return localizedString("File Format");
    case StillImageSaveSection::imageSize:
        return localizedString("Saved image size");
    case StillImageSaveSection::watermarks:
        return localizedString("Watermarks");
    }
    return {};
}

qsizetype stillImageWatermarkFieldLimit(StillImageWatermarkField field) {
    switch (field) {
    case Field::originalLabel:
    case Field::simulationLabel:
        return ApplicationSettings::kMaximumLabelCharacters;
    case Field::contactName:
        return ApplicationSettings::kMaximumNameCharacters;
    case Field::contactEmail:
        return ApplicationSettings::kMaximumEmailCharacters;
    case Field::contactPhoneNumber:
        return ApplicationSettings::kMaximumPhoneNumberCharacters;
    case Field::contactWebsite:
        return ApplicationSettings::kMaximumWebsiteCharacters;
    case Field::contactAddress:
        return ApplicationSettings::kMaximumAddressCharacters;
    case Field::contactFreeText:
        return ApplicationSettings::kMaximumFreeTextCharacters;
    }
    return 0;
}

const QString& watermarkText(const WatermarkTexts& texts, StillImageWatermarkField field) {
    return textOf(texts, field);
}

bool hasWatermarkLabels(const WatermarkTexts& texts) {
    return !isBlank(texts.originalComparisonLabel) || !isBlank(texts.simulationComparisonLabel);
}

bool hasWatermarkContactInformation(const WatermarkTexts& texts) {
    return !isBlank(texts.contactName) || !isBlank(texts.contactEmail) || !isBlank(texts.contactPhoneNumber) ||
           !isBlank(texts.contactWebsite) || !isBlank(texts.contactAddress) || !isBlank(texts.contactFreeText);
}

StillImageSaveViewModel::StillImageSaveViewModel(AppModel& model, const QDateTime& now, QObject* parent)
    : QObject(parent), model_(&model) {
    // 1. The editor: canvas size, current tab and the photograph's name.
    const ApplicationSettings& settings = model.settingsState().settings;
    const std::shared_ptr<EditorSession>& session = model.editorState().editorSession;
    QString sourceName = QStringLiteral("VLT");
    if (session) {
        width_ = std::max<std::int64_t>(session->canvasSize().width, 1);
        height_ = std::max<std::int64_t>(session->canvasSize().height, 1);
        currentTab_ = stillImageKindOfTab(session->selectedTab());
        if (session->document()) sourceName = session->document()->fileName();
    }
    baseName_ = StillImageFileNaming::defaultBaseName(sourceName, now);

    // 2. The stored choices.
    selection_ = settings.preferredStillImageSaveSelection;
    fileFormat_ = settings.preferredStillImageFileFormat;
    jpegQuality_ = settings.preferredStillImageJpegQuality;
    automaticallySizeImages_ = settings.automaticallySizeStillImages;
    const std::int64_t side = maximumImageSide();
    const std::int64_t individual =
        automaticallySizeImages_
            ? automaticIndividualMaximum()
            : std::min(side,
                       settings.preferredStillImageIndividualMaximumDimension.value_or(automaticIndividualMaximum()));
    const std::int64_t comparison =
        automaticallySizeImages_
            ? automaticComparisonMaximum()
            : std::min(2 * side, settings.preferredStillImageComparisonMaximumStackedDimension.value_or(
                                     automaticComparisonMaximum()));
    individualMaximumText_ = decimal(individual);
    comparisonMaximumText_ = decimal(comparison);

    // 3. The watermark texts; a toggle starts on only when it has something to show.
    draft_ = settings.watermarkTexts();
    previouslyHadLabels_ = hasLabels();
    previouslyHadContactInformation_ = hasContactInformation();
    includeLabels_ = settings.includeLabelsInStillImages && previouslyHadLabels_;
    includeContactInformation_ = settings.includeContactInformationInStillImages && previouslyHadContactInformation_;

    connect(&model, &AppModel::stillImageSaveStateChanged, this, &StillImageSaveViewModel::stateChanged);
    connect(&model, &AppModel::settingsStateChanged, this, &StillImageSaveViewModel::stateChanged);
}

// Derived

std::int64_t StillImageSaveViewModel::maximumImageSide() const {
    return model_ ? model_->settingsState().settings.maximumImageSide : ApplicationSettings::kMaximumImageSide;
}

std::int64_t StillImageSaveViewModel::automaticIndividualMaximum() const { return std::max(width_, height_); }

std::int64_t StillImageSaveViewModel::automaticComparisonMaximum() const { return 2 * std::min(width_, height_); }

std::optional<std::int64_t> StillImageSaveViewModel::individualMaximum() const {
    return StillImageFileNaming::parseDimensionText(individualMaximumText_, 1, maximumImageSide());
}

std::optional<std::int64_t> StillImageSaveViewModel::comparisonMaximum() const {
    return StillImageFileNaming::parseDimensionText(comparisonMaximumText_, 2, 2 * maximumImageSide());
}

std::optional<QString> StillImageSaveViewModel::subfolderMessage() const {
    return StillImageFileNaming::subfolderValidationMessage(subfolderName_);
}

std::optional<QString> StillImageSaveViewModel::baseNameMessage() const {
    return StillImageFileNaming::baseNameValidationMessage(baseName_);
}

QStringList StillImageSaveViewModel::previewFileNames() const {
    QStringList names;
    if (baseNameMessage()) return names;
    for (const StillImageKind kind : stillImageKinds(selection_, currentTab_)) {
        names << StillImageFileNaming::fileName(baseName_, kind, fileFormat_, 1);
    }
    return names;
}

QString StillImageSaveViewModel::selectionTitle(StillImageSaveSelection selection) const {
    switch (selection) {
    case StillImageSaveSelection::currentTab:
        return InterfaceTranslations::prepareComposedText(
            localizedString("Current Tab (%1)").arg(stillImageKindTitle(currentTab_)));
    case StillImageSaveSelection::original:
        return localizedString("Original image");
    case StillImageSaveSelection::simulation:
        return localizedString("Simulation image");
    case StillImageSaveSelection::comparison:
        return localizedString("Comparison image");
    case StillImageSaveSelection::allThreeTabs:
        return localizedString("All three tabs — saves 3 files");
    }
    return {};
}

QString StillImageSaveViewModel::dimensionsText() const {
    return localizedString("Current image dimensions: %1 × %2 px (width × height).")
        .arg(decimal(width_), decimal(height_));
}

std::optional<QString> StillImageSaveViewModel::individualMaximumMessage() const {
    if (automaticallySizeImages_ || individualMaximum()) return std::nullopt;
    return localizedString("Enter a whole number from 1 to %1.").arg(decimal(maximumImageSide()));
}

std::optional<QString> StillImageSaveViewModel::comparisonMaximumMessage() const {
    if (automaticallySizeImages_ || comparisonMaximum()) return std::nullopt;
    return localizedString("Enter a whole number from 2 to %1.").arg(decimal(2 * maximumImageSide()));
}

QString StillImageSaveViewModel::comparisonMaximumHelpText() const {
    if (height_ < width_) {
        // Named in the order the composer stacks the panes: the Simulation on top.
        return localizedString(
            "Landscape images are stacked vertically. This value limits the total height; Simulation is above and "
            "Original below.");
    }
    return localizedString(
        "Portrait and square images are arranged side by side. This value limits the total width; Original is left "
        "and Simulation is right.");
}

QString StillImageSaveViewModel::labelSummaryText() const {
    const QString original = draft_.originalComparisonLabel.trimmed();
    const QString simulation = draft_.simulationComparisonLabel.trimmed();
    if (!original.isEmpty() && !simulation.isEmpty()) {
        return InterfaceTranslations::prepareComposedText(
            localizedString(
                "Watermark labels appear in saved image corners, including Comparison. Typical values: “Before / "
                "After” or “Original / Simulation.” Current values: %1 / %2.")
                .arg(original, simulation));
    }
    if (!original.isEmpty()) return localizedString("Only the Original label is set; Simulation will have no label.");
    return localizedString("Only the Simulation label is set; Original will have no label.");
}

bool StillImageSaveViewModel::isContactEmailValid() const { return isValidContactEmail(draft_.contactEmail); }

bool StillImageSaveViewModel::isContactWebsiteValid() const { return isValidContactWebsite(draft_.contactWebsite); }

std::optional<StillImageSaveBlocker> StillImageSaveViewModel::saveBlocker() const {
    if (!model_ || !model_->stillImageSaveState().hasDestination) return StillImageSaveBlocker::noDestination;
    if (baseNameMessage()) return StillImageSaveBlocker::invalidBaseName;
    if (subfolderMessage()) return StillImageSaveBlocker::invalidSubfolder;
    if (!automaticallySizeImages_ && (!individualMaximum() || !comparisonMaximum())) {
        return StillImageSaveBlocker::invalidSize;
    }
    if (!isContactEmailValid() || !isContactWebsiteValid()) return StillImageSaveBlocker::invalidContact;
    return std::nullopt;
}

StillImageExportOptions StillImageSaveViewModel::makeExportOptions() const {
    // Auto acts only through the texts it wrote; a text without a valid value falls
    // back to the current image's own size.
    StillImageExportOptions options;
    options.individualMaximumDimension = individualMaximum().value_or(automaticIndividualMaximum());
    options.comparisonMaximumStackedDimension = comparisonMaximum().value_or(automaticComparisonMaximum());
    options.fileFormat = fileFormat_;
    options.jpegQuality = jpegQuality_;
    options.selection = selection_;
    options.currentTab = currentTab_;
    options.includeLabels = includesLabels();
    options.includeContactInformation = includesContactInformation();
    options.watermarkSettings = makeWatermarkSettings();
    return options;
}

ApplicationSettings StillImageSaveViewModel::makeWatermarkSettings() const {
    const ApplicationSettings current = model_ ? model_->settingsState().settings : ApplicationSettings::defaults();
    return current.updatingWatermarkTexts(draft_);
}

// Edits

void StillImageSaveViewModel::update(const std::function<void()>& edit) {
    edit();
    emit stateChanged();
}

void StillImageSaveViewModel::selectSection(StillImageSaveSection section) {
    if (section == selectedSection_) return;
    update([&] { selectedSection_ = section; });
}

void StillImageSaveViewModel::editSubfolderName(const QString& text) {
    update([&] {
        subfolderName_ = firstUserPerceivedCharacters(text, StillImageFileNaming::kMaximumSubfolderCharacters);
    });
}

void StillImageSaveViewModel::editBaseName(const QString& text) {
    update([&] { baseName_ = firstUserPerceivedCharacters(text, StillImageFileNaming::kMaximumBaseNameCharacters); });
}

void StillImageSaveViewModel::selectSelection(StillImageSaveSelection selection) {
    if (selection == selection_) return;
    update([&] {
        selection_ = selection;
        persistPreferences();
    });
}

void StillImageSaveViewModel::selectFileFormat(StillImageFileFormat format) {
    if (format == fileFormat_) return;
    update([&] {
        fileFormat_ = format;
        persistPreferences();
    });
}

void StillImageSaveViewModel::selectJpegQuality(double value) {
    const std::int64_t quality = std::llround(value);
    if (quality == jpegQuality_) return;
    update([&] {
        jpegQuality_ = quality;
        persistPreferences();
    });
}

void StillImageSaveViewModel::setAutomaticallySizeImages(bool automatic) {
    if (automatic == automaticallySizeImages_ || !model_) return;
    update([&] {
        automaticallySizeImages_ = automatic;
        if (automatic) {
            // The stored limits stay as they were, for when Auto is turned off again.
            individualMaximumText_ = decimal(automaticIndividualMaximum());
            comparisonMaximumText_ = decimal(automaticComparisonMaximum());
            persistPreferences(true);
            return;
        }
        const ApplicationSettings& settings = model_->settingsState().settings;
        const std::optional<std::int64_t> storedIndividual = settings.preferredStillImageIndividualMaximumDimension;
        const std::optional<std::int64_t> storedComparison =
            settings.preferredStillImageComparisonMaximumStackedDimension;
        const std::int64_t individual =
            std::min(maximumImageSide(), storedIndividual.value_or(automaticIndividualMaximum()));
        const std::int64_t comparison =
            std::min(2 * maximumImageSide(), storedComparison.value_or(automaticComparisonMaximum()));
        individualMaximumText_ = decimal(individual);
        comparisonMaximumText_ = decimal(comparison);
        // Only a limit never stored takes the value now shown.
        persistPreferences(false, storedIndividual ? std::nullopt : std::optional(individual),
                           storedComparison ? std::nullopt : std::optional(comparison));
    });
}

void StillImageSaveViewModel::editIndividualMaximumText(const QString& text) {
    update([&] {
        individualMaximumText_ = text;
        if (automaticallySizeImages_) return;
        if (const std::optional<std::int64_t> value = individualMaximum()) persistPreferences(std::nullopt, value);
    });
}

void StillImageSaveViewModel::editComparisonMaximumText(const QString& text) {
    update([&] {
        comparisonMaximumText_ = text;
        if (automaticallySizeImages_) return;
        if (const std::optional<std::int64_t> value = comparisonMaximum()) {
            persistPreferences(std::nullopt, std::nullopt, value);
        }
    });
}

void StillImageSaveViewModel::setIncludeLabels(bool include) {
    if (include == includeLabels_) return;
    update([&] {
        includeLabels_ = include;
        persistPreferences();
    });
}

void StillImageSaveViewModel::setIncludeContactInformation(bool include) {
    if (include == includeContactInformation_) return;
    update([&] {
        includeContactInformation_ = include;
        persistPreferences();
    });
}

void StillImageSaveViewModel::editWatermarkText(StillImageWatermarkField field, const QString& text) {
    const QString kept = firstUserPerceivedCharacters(text, stillImageWatermarkFieldLimit(field));
    if (kept == watermarkText(draft_, field)) {
        // The field may still show the longer text it was given.
        emit stateChanged();
        return;
    }
    update([&] {
        textOf(draft_, field) = kept;
        persistWatermarkDraft();
    });
}

void StillImageSaveViewModel::toggleWatermarkEditor() {
    update([&] { isWatermarkEditorExpanded_ = !isWatermarkEditorExpanded_; });
}

void StillImageSaveViewModel::toggleSelectedFolderExplanation() {
    update([&] { isSelectedFolderExplanationPresented_ = !isSelectedFolderExplanationPresented_; });
}

void StillImageSaveViewModel::dismissSelectedFolderExplanation() {
    if (!isSelectedFolderExplanationPresented_) return;
    update([&] { isSelectedFolderExplanationPresented_ = false; });
}

// Write-back

void StillImageSaveViewModel::persistPreferences(std::optional<bool> automatic, std::optional<std::int64_t> individual,
                                                 std::optional<std::int64_t> comparison) {
    if (!model_) return;
    const ApplicationSettings& settings = model_->settingsState().settings;
    StillImagePreferences preferences;
    preferences.fileFormat = fileFormat_;
    preferences.jpegQuality = jpegQuality_;
    preferences.saveSelection = selection_;
    // Only the Auto change itself writes the flag.
    preferences.automaticallySizeStillImages = automatic.value_or(settings.automaticallySizeStillImages);
    preferences.individualMaximumDimension = individual;
    preferences.comparisonMaximumStackedDimension = comparison;
    preferences.includeLabels = includesLabels();
    preferences.includeContactInformation = includesContactInformation();
    model_->updateSettings(settings.updatingStillImagePreferences(preferences));
}

void StillImageSaveViewModel::persistWatermarkDraft() {
    // An invalid address holds back every watermark text until it is mended or
    // emptied; then the whole draft is written at once.
    if (!model_ || !isContactEmailValid() || !isContactWebsiteValid()) return;
    // A toggle turns on with the first text it can show, never again after the user
    // turned it off while texts merely change.
    if (!previouslyHadLabels_ && hasLabels()) includeLabels_ = true;
    if (!previouslyHadContactInformation_ && hasContactInformation()) includeContactInformation_ = true;
    previouslyHadLabels_ = hasLabels();
    previouslyHadContactInformation_ = hasContactInformation();
    model_->updateSettings(makeWatermarkSettings());
    persistPreferences();
}

// Actions

void StillImageSaveViewModel::save() {
    if (model_) model_->saveStillImages(baseName_, subfolderName_, makeExportOptions());
}

void StillImageSaveViewModel::cancel() {
    if (model_) model_->dismissSaveImages();
}

void StillImageSaveViewModel::browseForFolder() {
    if (!model_) return;
    const std::optional<ResolvedStillImageSaveLocation>& selected = model_->stillImageSaveState().selectedLocation;
    model_->presentStillImageFolderPicker(selected ? selected->destinationPath : QString());
}

void StillImageSaveViewModel::usePicturesFolder() {
    if (model_) model_->useDefaultStillImageSaveLocation();
}

}  // namespace vlt
