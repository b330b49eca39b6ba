#include "foundation/application_settings.h"

#include <algorithm>

#include <QStringList>

#include "foundation/contact_validation.h"
#include "foundation/user_perceived_text.h"

namespace vlt {

namespace {

// Paths this long are no folder anyone chose; they are dropped rather than carried around.
constexpr qsizetype kMaximumPathBytes = 32768;

// An absolute path in its plain form: what a file URL made from it gives back.
bool isPlainAbsolutePath(const QString& path) {
    if (!path.startsWith(u'/') || path.contains(QChar(u'\0'))) return false;
    return path == QStringLiteral("/") || !path.endsWith(u'/');
}

bool climbsOutOfItsFolder(const QString& subfolder) {
    return subfolder.split(u'/', Qt::KeepEmptyParts).contains(QStringLiteral(".."));
}

// The entry as it is kept, or none when it must be dropped.
std::optional<StillImageSaveLocation> keptLocation(const StillImageSaveLocation& location) {
    const QString path = location.displayPath.trimmed();
    if (path.isEmpty() || path.toUtf8().size() >= kMaximumPathBytes) return std::nullopt;
    if (location.bookmarkData.isEmpty() || !isPlainAbsolutePath(path)) return std::nullopt;
    const QString subfolder = location.relativeSubfolder.trimmed();
    if (climbsOutOfItsFolder(subfolder)) return std::nullopt;
    return StillImageSaveLocation{path, location.bookmarkData, subfolder};
}

void offer(std::vector<StillImageSaveLocation>& result, const StillImageSaveLocation& location) {
    if (result.size() >= ApplicationSettings::kMaximumRecentSaveLocations) return;
    const std::optional<StillImageSaveLocation> kept = keptLocation(location);
    if (!kept) return;
    const bool repeated = std::any_of(result.begin(), result.end(), [&](const StillImageSaveLocation& other) {
        return other.displayPath == kept->displayPath;
    });
    if (!repeated) result.push_back(*kept);
}

QString matchingLastPath(const QString& lastPath, const std::vector<StillImageSaveLocation>& locations) {
    if (locations.empty()) return QString();
    for (const StillImageSaveLocation& location : locations) {
        if (location.displayPath == lastPath) return location.displayPath;
    }
    return locations.front().displayPath;
}

}  // namespace

std::vector<StillImageSaveLocation> normalizedRecentSaveLocations(
    const QString& lastPath, const std::vector<StillImageSaveLocation>& locations) {
    std::vector<StillImageSaveLocation> result;
    const auto lastUsed = std::find_if(locations.begin(), locations.end(), [&](const StillImageSaveLocation& location) {
        return location.displayPath == lastPath;
    });
    if (lastUsed != locations.end()) offer(result, *lastUsed);
    for (const StillImageSaveLocation& location : locations) offer(result, location);
    return result;
}

ApplicationSettings ApplicationSettings::defaults() { return ApplicationSettings().normalized(); }

ApplicationSettings ApplicationSettings::normalized() const {
    ApplicationSettings result = *this;
    result.maximumImageSide = std::clamp(maximumImageSide, kMinimumImageSide, kMaximumImageSide);
    result.originalComparisonLabel = firstUserPerceivedCharacters(originalComparisonLabel, kMaximumLabelCharacters);
    result.simulationComparisonLabel = firstUserPerceivedCharacters(simulationComparisonLabel, kMaximumLabelCharacters);
    result.contactName = firstUserPerceivedCharacters(contactName, kMaximumNameCharacters);
    result.contactPhoneNumber = firstUserPerceivedCharacters(contactPhoneNumber, kMaximumPhoneNumberCharacters);
    result.contactAddress = firstUserPerceivedCharacters(contactAddress, kMaximumAddressCharacters);
    result.contactEmail = isValidContactEmail(contactEmail)
                              ? firstUserPerceivedCharacters(contactEmail, kMaximumEmailCharacters)
                              : QString();
    result.contactWebsite = isValidContactWebsite(contactWebsite)
                                ? firstUserPerceivedCharacters(contactWebsite, kMaximumWebsiteCharacters)
                                : QString();
    result.contactFreeText = firstUserPerceivedCharacters(singleLineText(contactFreeText), kMaximumFreeTextCharacters);
    if (preferredStillImageComparisonMaximumStackedDimension) {
        result.preferredStillImageComparisonMaximumStackedDimension = std::clamp(
            *preferredStillImageComparisonMaximumStackedDimension, std::int64_t{2}, 2 * result.maximumImageSide);
    }
    result.recentStillImageSaveLocations =
        normalizedRecentSaveLocations(lastStillImageSaveLocationPath, recentStillImageSaveLocations);
    result.lastStillImageSaveLocationPath =
        matchingLastPath(lastStillImageSaveLocationPath, result.recentStillImageSaveLocations);
    result.preferredStillImageJpegQuality =
        std::clamp(preferredStillImageJpegQuality, kMinimumJpegQuality, kMaximumJpegQuality);
    if (preferredStillImageIndividualMaximumDimension) {
        result.preferredStillImageIndividualMaximumDimension =
            std::clamp(*preferredStillImageIndividualMaximumDimension, std::int64_t{1}, result.maximumImageSide);
    }
    return result;
}

ApplicationSettings ApplicationSettings::updatingMaximumImageSide(std::int64_t side) const {
    ApplicationSettings result = *this;
    result.maximumImageSide = side;
    return result.normalized();
}

ApplicationSettings ApplicationSettings::updatingComparisonLabels(const QString& original,
                                                                  const QString& simulation) const {
    ApplicationSettings result = *this;
    result.originalComparisonLabel = original;
    result.simulationComparisonLabel = simulation;
    return result.normalized();
}

ApplicationSettings ApplicationSettings::updatingWatermarkTexts(const WatermarkTexts& texts) const {
    ApplicationSettings result = *this;
    result.originalComparisonLabel = texts.originalComparisonLabel;
    result.simulationComparisonLabel = texts.simulationComparisonLabel;
    result.contactName = texts.contactName;
    result.contactEmail = texts.contactEmail;
    result.contactPhoneNumber = texts.contactPhoneNumber;
    result.contactWebsite = texts.contactWebsite;
    result.contactAddress = texts.contactAddress;
    result.contactFreeText = texts.contactFreeText;
    return result.normalized();
}

ApplicationSettings ApplicationSettings::updatingStillImagePreferences(const StillImagePreferences& preferences) const {
    ApplicationSettings result = *this;
    result.preferredStillImageFileFormat = preferences.fileFormat;
    result.preferredStillImageJpegQuality = preferences.jpegQuality;
    result.preferredStillImageSaveSelection = preferences.saveSelection;
    result.automaticallySizeStillImages = preferences.automaticallySizeStillImages;
    if (preferences.individualMaximumDimension) {
        result.preferredStillImageIndividualMaximumDimension = preferences.individualMaximumDimension;
    }
    if (preferences.comparisonMaximumStackedDimension) {
        result.preferredStillImageComparisonMaximumStackedDimension = preferences.comparisonMaximumStackedDimension;
    }
    result.includeLabelsInStillImages = preferences.includeLabels;
    result.includeContactInformationInStillImages = preferences.includeContactInformation;
    return result.normalized();
}

ApplicationSettings ApplicationSettings::updatingSharePreferences(bool includeLabels,
                                                                  bool includeContactInformation) const {
    ApplicationSettings result = *this;
    result.includeLabelsWhenSharing = includeLabels;
    result.includeContactInformationWhenSharing = includeContactInformation;
    return result.normalized();
}

ApplicationSettings ApplicationSettings::recordingStillImageSaveLocation(const StillImageSaveLocation& location) const {
    ApplicationSettings result = *this;
    result.recentStillImageSaveLocations.insert(result.recentStillImageSaveLocations.begin(), location);
    result.lastStillImageSaveLocationPath = location.displayPath;
    return result.normalized();
}

ApplicationSettings ApplicationSettings::removingRecentStillImageSaveLocation(const QString& displayPath) const {
    ApplicationSettings result = *this;
    const auto removed =
        std::erase_if(result.recentStillImageSaveLocations,
                      [&](const StillImageSaveLocation& location) { return location.displayPath == displayPath; });
    if (removed == 0) return *this;
    if (result.lastStillImageSaveLocationPath == displayPath) result.lastStillImageSaveLocationPath.clear();
    return result.normalized();
}

WatermarkTexts ApplicationSettings::watermarkTexts() const {
    return WatermarkTexts{originalComparisonLabel,
                          simulationComparisonLabel,
                          contactName,
                          contactEmail,
                          contactPhoneNumber,
                          contactWebsite,
                          contactAddress,
                          contactFreeText};
}

}  // namespace vlt
