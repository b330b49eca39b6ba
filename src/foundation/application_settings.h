#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "foundation/localized_string.h"
#include "foundation/still_image_file_format.h"
#include "foundation/still_image_save_location.h"
#include "foundation/still_image_save_selection.h"

namespace vlt {

// The eight texts drawn into still images: the two comparison labels and the contact block.
struct WatermarkTexts {
    QString originalComparisonLabel;
    QString simulationComparisonLabel;
    QString contactName;
    QString contactEmail;
    QString contactPhoneNumber;
    QString contactWebsite;
    QString contactAddress;
    QString contactFreeText;

    bool operator==(const WatermarkTexts&) const = default;
};

// The choices of the save-images dialog. An absent dimension keeps the stored one.
struct StillImagePreferences {
    StillImageFileFormat fileFormat = StillImageFileFormat::png;
    std::int64_t jpegQuality = 95;
    StillImageSaveSelection saveSelection = StillImageSaveSelection::currentTab;
    bool automaticallySizeStillImages = true;
    std::optional<std::int64_t> individualMaximumDimension;
    std::optional<std::int64_t> comparisonMaximumStackedDimension;
    bool includeLabels = false;
    bool includeContactInformation = false;

    bool operator==(const StillImagePreferences&) const = default;
};

// The user's settings. A record in memory is always normalised: every way of making
// one (defaults(), loading, each updating function) ends with normalized(), and the
// updating functions return a new record instead of changing this one.
struct ApplicationSettings {
    static constexpr std::int64_t kMinimumImageSide = 500;
    static constexpr std::int64_t kMaximumImageSide = 4096;
    static constexpr std::int64_t kMinimumJpegQuality = 60;
    static constexpr std::int64_t kMaximumJpegQuality = 100;
    static constexpr qsizetype kMaximumLabelCharacters = 50;
    static constexpr qsizetype kMaximumNameCharacters = 100;
    static constexpr qsizetype kMaximumEmailCharacters = 254;
    static constexpr qsizetype kMaximumPhoneNumberCharacters = 50;
    static constexpr qsizetype kMaximumWebsiteCharacters = 500;
    static constexpr qsizetype kMaximumAddressCharacters = 500;
    static constexpr qsizetype kMaximumFreeTextCharacters = 200;
    static constexpr std::size_t kMaximumRecentSaveLocations = 5;

    std::int64_t maximumImageSide = kMaximumImageSide;
    QString originalComparisonLabel = localizedString("Original");
    QString simulationComparisonLabel = localizedString("Simulation");
    QString contactName;
    QString contactEmail;
    QString contactPhoneNumber;
    QString contactWebsite;
    QString contactAddress;
    QString contactFreeText;
    StillImageFileFormat preferredStillImageFileFormat = StillImageFileFormat::png;
    std::int64_t preferredStillImageJpegQuality = 95;
    StillImageSaveSelection preferredStillImageSaveSelection = StillImageSaveSelection::currentTab;
    bool automaticallySizeStillImages = true;
    // Absent means "Auto": sized automatically.
    std::optional<std::int64_t> preferredStillImageIndividualMaximumDimension;
    std::optional<std::int64_t> preferredStillImageComparisonMaximumStackedDimension;
    bool includeLabelsInStillImages = false;
    bool includeContactInformationInStillImages = false;
    bool includeLabelsWhenSharing = false;
    bool includeContactInformationWhenSharing = false;
    QString lastStillImageSaveLocationPath;
    // Newest first.
    std::vector<StillImageSaveLocation> recentStillImageSaveLocations;

    bool operator==(const ApplicationSettings&) const = default;

    // Every field at its default (labels in the current interface language), normalised.
    static ApplicationSettings defaults();

    // A copy with every limit applied: numbers clamped, texts cut to their length,
    // invalid e-mail and website emptied, recent folders cleaned up.
    ApplicationSettings normalized() const;

    ApplicationSettings updatingMaximumImageSide(std::int64_t side) const;
    ApplicationSettings updatingComparisonLabels(const QString& original, const QString& simulation) const;
    ApplicationSettings updatingWatermarkTexts(const WatermarkTexts& texts) const;
    ApplicationSettings updatingStillImagePreferences(const StillImagePreferences& preferences) const;
    ApplicationSettings updatingSharePreferences(bool includeLabels, bool includeContactInformation) const;
    // Puts the folder first and makes it the last used one.
    ApplicationSettings recordingStillImageSaveLocation(const StillImageSaveLocation& location) const;
    // Forgets every recent folder with this path; returns this record
    // untouched when none has it.
    ApplicationSettings removingRecentStillImageSaveLocation(const QString& displayPath) const;

    WatermarkTexts watermarkTexts() const;
};

// The recent folders as kept: the one named by lastPath first, then the others in
// order; entries that are invalid, repeated or beyond the fifth are
// dropped, and paths and subfolders are trimmed.
std::vector<StillImageSaveLocation> normalizedRecentSaveLocations(const QString& lastPath,
                                                                  const std::vector<StillImageSaveLocation>& locations);

}  // namespace vlt
