#include "foundation/json_application_settings_store.h"

#include <cerrno>
#include <cmath>
#include <limits>

#include <QByteArray>
#include <QDateTime>
#include <nlohmann/json.hpp>

#include "foundation/decoding_error.h"
#include "foundation/default_comparison_labels.h"
#include "foundation/diagnostic_log.h"
#include "foundation/pretty_printed_json.h"
#include "foundation/settings_file_failure.h"
#include "base/system_error.h"
#include "base/application_folders.h"
#include "base/atomic_file.h"
#include "base/exclusive_rename.h"
#include "base/file_contents.h"
#include "base/folder_creation.h"

namespace vlt {

namespace {

using Json = nlohmann::json;
using Kind = DecodingError::Kind;

// Deeper nesting than this is no settings file; refusing it keeps parsing cheap.
constexpr int kMaximumNesting = 32;
constexpr int kSetAsideAttempts = 10;

ErrorPtr decodingError(Kind kind, const std::string& path, const std::string& detail) {
    return makeDecodingError(kind, path, detail);
}

// Counts brackets outside strings; true when they nest deeper than the limit.
bool nestsTooDeeply(std::string_view bytes) {
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (char character : bytes) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (character == '\\')
                escaped = true;
            else if (character == '"')
                inString = false;
        } else if (character == '"') {
            inString = true;
        } else if (character == '[' || character == '{') {
            if (++depth > kMaximumNesting) return true;
        } else if (character == ']' || character == '}') {
            --depth;
        }
    }
    return false;
}

// A present, non-null member, or none. Null counts as absent.
const Json* member(const Json& object, const char* key) {
    const auto found = object.find(key);
    if (found == object.end() || found->is_null()) return nullptr;
    return &*found;
}

Result<std::int64_t> integerValue(const Json& value, const std::string& path) {
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
            return decodingError(Kind::dataCorrupted, path, "number does not fit a 64-bit integer");
        }
        return static_cast<std::int64_t>(number);
    }
    if (value.is_number_integer()) return value.get<std::int64_t>();
    if (value.is_number_float()) {
        // 4096.0 is a whole number written another way; 4096.5 is not an integer.
        const double number = value.get<double>();
        if (!std::isfinite(number) || std::trunc(number) != number) {
            return decodingError(Kind::typeMismatch, path, "expected a whole number");
        }
        constexpr double kLimit = 9.2e18;
        if (number < -kLimit || number > kLimit) {
            return decodingError(Kind::dataCorrupted, path, "number does not fit a 64-bit integer");
        }
        return static_cast<std::int64_t>(number);
    }
    return decodingError(Kind::typeMismatch, path, "expected an integer");
}

Result<QString> stringValue(const Json& value, const std::string& path) {
    if (!value.is_string()) return decodingError(Kind::typeMismatch, path, "expected a string");
    return QString::fromStdString(value.get_ref<const std::string&>());
}

Result<bool> boolValue(const Json& value, const std::string& path) {
    if (!value.is_boolean()) return decodingError(Kind::typeMismatch, path, "expected a boolean");
    return value.get<bool>();
}

// Reads an optional member into `target`; a present value of the wrong type fails.
template <typename T, typename Read>
std::optional<ErrorPtr> readMember(const Json& object, const char* key, Read read, std::optional<T>& target) {
    const Json* value = member(object, key);
    if (value == nullptr) return std::nullopt;
    Result<T> result = read(*value, key);
    if (!result) return result.error();
    target = std::move(result).value();
    return std::nullopt;
}

Result<QString> requiredLocationString(const Json& object, const char* key, const std::string& path) {
    const auto found = object.find(key);
    const std::string keyPath = path + "." + key;
    if (found == object.end()) return decodingError(Kind::keyNotFound, keyPath, "missing key");
    if (found->is_null()) return decodingError(Kind::valueNotFound, keyPath, "null value");
    return stringValue(*found, keyPath);
}

Result<StillImageSaveLocation> locationValue(const Json& value, const std::string& path) {
    if (!value.is_object()) return decodingError(Kind::typeMismatch, path, "expected an object");
    auto displayPath = requiredLocationString(value, "displayPath", path);
    if (!displayPath) return displayPath.error();
    auto bookmark = requiredLocationString(value, "bookmarkData", path);
    if (!bookmark) return bookmark.error();
    auto subfolder = requiredLocationString(value, "relativeSubfolder", path);
    if (!subfolder) return subfolder.error();
    const auto decoded =
        QByteArray::fromBase64Encoding(bookmark.value().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (decoded.decodingStatus != QByteArray::Base64DecodingStatus::Ok) {
        return decodingError(Kind::dataCorrupted, path + ".bookmarkData", "invalid Base64");
    }
    return StillImageSaveLocation{displayPath.value(), decoded.decoded, subfolder.value()};
}

Result<std::vector<StillImageSaveLocation>> locationsValue(const Json& value, const std::string& path) {
    if (!value.is_array()) return decodingError(Kind::typeMismatch, path, "expected an array");
    std::vector<StillImageSaveLocation> locations;
    for (std::size_t index = 0; index < value.size(); ++index) {
        auto location = locationValue(value[index], path + "[" + std::to_string(index) + "]");
        if (!location) return location.error();
        locations.push_back(std::move(location).value());
    }
    return locations;
}

// Every member of the document; absent ones stay empty.
struct SettingsDocument {
    std::int64_t version = 0;
    std::optional<std::int64_t> maximumImageSide;
    std::optional<QString> originalComparisonLabel;
    std::optional<QString> simulationComparisonLabel;
    std::optional<QString> contactName;
    std::optional<QString> contactEmail;
    std::optional<QString> contactPhoneNumber;
    std::optional<QString> contactWebsite;
    std::optional<QString> contactAddress;
    std::optional<QString> contactFreeText;
    std::optional<QString> preferredStillImageFileFormat;
    std::optional<std::int64_t> preferredStillImageJpegQuality;
    std::optional<QString> preferredStillImageSaveSelection;
    std::optional<bool> automaticallySizeStillImages;
    std::optional<std::int64_t> preferredStillImageIndividualMaximumDimension;
    std::optional<std::int64_t> preferredStillImageComparisonMaximumStackedDimension;
    std::optional<bool> includeLabelsInStillImages;
    std::optional<bool> includeContactInformationInStillImages;
    std::optional<bool> includeLabelsWhenSharing;
    std::optional<bool> includeContactInformationWhenSharing;
    std::optional<QString> lastStillImageSaveLocationPath;
    std::optional<std::vector<StillImageSaveLocation>> recentStillImageSaveLocations;
};

Result<std::int64_t> documentVersion(const Json& object) {
    const auto found = object.find("version");
    if (found == object.end()) return decodingError(Kind::keyNotFound, "version", "missing key");
    if (found->is_null()) return decodingError(Kind::valueNotFound, "version", "null value");
    return integerValue(*found, "version");
}

Result<SettingsDocument> decodeDocument(const Json& object) {
    SettingsDocument document;
    auto version = documentVersion(object);
    if (!version) return version.error();
    document.version = version.value();
    if (document.version != JSONApplicationSettingsStore::kCurrentVersion) return document;

    std::optional<ErrorPtr> error;
    const auto readInteger = [&](const char* key, std::optional<std::int64_t>& target) {
        if (!error) error = readMember<std::int64_t>(object, key, integerValue, target);
    };
    const auto readString = [&](const char* key, std::optional<QString>& target) {
        if (!error) error = readMember<QString>(object, key, stringValue, target);
    };
    const auto readBool = [&](const char* key, std::optional<bool>& target) {
        if (!error) error = readMember<bool>(object, key, boolValue, target);
    };
    readInteger("maximumImageSide", document.maximumImageSide);
    readString("originalComparisonLabel", document.originalComparisonLabel);
    readString("simulationComparisonLabel", document.simulationComparisonLabel);
    readString("contactName", document.contactName);
    readString("contactEmail", document.contactEmail);
    readString("contactPhoneNumber", document.contactPhoneNumber);
    readString("contactWebsite", document.contactWebsite);
    readString("contactAddress", document.contactAddress);
    readString("contactFreeText", document.contactFreeText);
    readString("preferredStillImageFileFormat", document.preferredStillImageFileFormat);
    readInteger("preferredStillImageJpegQuality", document.preferredStillImageJpegQuality);
    readString("preferredStillImageSaveSelection", document.preferredStillImageSaveSelection);
    readBool("automaticallySizeStillImages", document.automaticallySizeStillImages);
    readInteger("preferredStillImageIndividualMaximumDimension",
                document.preferredStillImageIndividualMaximumDimension);
    readInteger("preferredStillImageComparisonMaximumStackedDimension",
                document.preferredStillImageComparisonMaximumStackedDimension);
    readBool("includeLabelsInStillImages", document.includeLabelsInStillImages);
    readBool("includeContactInformationInStillImages", document.includeContactInformationInStillImages);
    readBool("includeLabelsWhenSharing", document.includeLabelsWhenSharing);
    readBool("includeContactInformationWhenSharing", document.includeContactInformationWhenSharing);
    readString("lastStillImageSaveLocationPath", document.lastStillImageSaveLocationPath);
    if (!error) {
        error = readMember<std::vector<StillImageSaveLocation>>(object, "recentStillImageSaveLocations", locationsValue,
                                                                document.recentStillImageSaveLocations);
    }
    if (error) return *error;
    return document;
}

ApplicationSettings settingsFrom(SettingsDocument document) {
    ApplicationSettings settings;
    settings.maximumImageSide = document.maximumImageSide.value_or(ApplicationSettings::kMaximumImageSide);
    // A stored default, whatever language wrote it, reads as the default of this launch's
    // language; a typed label stays as typed.
    if (document.originalComparisonLabel && !isDefaultOriginalComparisonLabel(*document.originalComparisonLabel)) {
        settings.originalComparisonLabel = *document.originalComparisonLabel;
    }
    if (document.simulationComparisonLabel &&
        !isDefaultSimulationComparisonLabel(*document.simulationComparisonLabel)) {
        settings.simulationComparisonLabel = *document.simulationComparisonLabel;
    }
    settings.contactName = document.contactName.value_or(QString());
    settings.contactEmail = document.contactEmail.value_or(QString());
    settings.contactPhoneNumber = document.contactPhoneNumber.value_or(QString());
    settings.contactWebsite = document.contactWebsite.value_or(QString());
    settings.contactAddress = document.contactAddress.value_or(QString());
    settings.contactFreeText = document.contactFreeText.value_or(QString());
    settings.preferredStillImageFileFormat = document.preferredStillImageFileFormat == QStringLiteral("jpeg")
                                                 ? StillImageFileFormat::jpeg
                                                 : StillImageFileFormat::png;
    settings.preferredStillImageJpegQuality = document.preferredStillImageJpegQuality.value_or(95);
    settings.preferredStillImageSaveSelection =
        stillImageSaveSelectionFromRawValue(document.preferredStillImageSaveSelection.value_or(QString()).toStdString())
            .value_or(StillImageSaveSelection::currentTab);
    settings.preferredStillImageIndividualMaximumDimension = document.preferredStillImageIndividualMaximumDimension;
    settings.preferredStillImageComparisonMaximumStackedDimension =
        document.preferredStillImageComparisonMaximumStackedDimension;
    const bool hasDimensions = settings.preferredStillImageIndividualMaximumDimension.has_value() ||
                               settings.preferredStillImageComparisonMaximumStackedDimension.has_value();
    settings.automaticallySizeStillImages = document.automaticallySizeStillImages.value_or(!hasDimensions);
    settings.includeLabelsInStillImages = document.includeLabelsInStillImages.value_or(false);
    settings.includeContactInformationInStillImages = document.includeContactInformationInStillImages.value_or(false);
    settings.includeLabelsWhenSharing = document.includeLabelsWhenSharing.value_or(false);
    settings.includeContactInformationWhenSharing = document.includeContactInformationWhenSharing.value_or(false);
    settings.lastStillImageSaveLocationPath = document.lastStillImageSaveLocationPath.value_or(QString());
    settings.recentStillImageSaveLocations =
        std::move(document.recentStillImageSaveLocations).value_or(std::vector<StillImageSaveLocation>());
    return settings.normalized();
}

Result<SettingsDocument> parseDocument(std::string_view bytes) {
    if (nestsTooDeeply(bytes)) return decodingError(Kind::dataCorrupted, "", "nested too deeply");
    Json root;
    try {
        root = Json::parse(bytes.begin(), bytes.end(), nullptr, /*allow_exceptions=*/false);
    } catch (const std::exception& exception) {
        return decodingError(Kind::dataCorrupted, "", exception.what());
    }
    if (root.is_discarded()) return decodingError(Kind::dataCorrupted, "", "not valid JSON");
    if (!root.is_object()) return decodingError(Kind::typeMismatch, "", "expected an object");
    return decodeDocument(root);
}

Json locationJson(const StillImageSaveLocation& location) {
    return Json::object({{"displayPath", location.displayPath.toStdString()},
                         {"bookmarkData", location.bookmarkData.toBase64().toStdString()},
                         {"relativeSubfolder", location.relativeSubfolder.toStdString()}});
}

std::filesystem::path setAsidePath(const std::filesystem::path& settingsURL, int attempt) {
    const QString time = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    std::string name = settingsURL.filename().string() + ".unreadable-" + time.toStdString();
    if (attempt > 0) name += "-" + std::to_string(attempt + 1);
    return settingsURL.parent_path() / name;
}

}  // namespace

JSONApplicationSettingsStore::JSONApplicationSettingsStore(std::filesystem::path settingsURL)
    : settingsURL_(std::move(settingsURL)) {}

std::filesystem::path JSONApplicationSettingsStore::defaultSettingsURL() {
    return ApplicationFolders::applicationDataFolder() / kFileName;
}

Result<ApplicationSettings> JSONApplicationSettingsStore::load() {
    std::lock_guard lock(mutex_);
    unusableFileNeedsSettingAside_ = false;
    ownFile_.reset();

    std::string bytes;
    FileIdentity read;
    const std::error_code readError = readFileContents(settingsURL_, kMaximumFileBytes, bytes, &read);
    if (readError == std::errc::no_such_file_or_directory || readError == std::errc::not_a_directory) {
        return ApplicationSettings::defaults();
    }
    if (readError) {
        unusableFileNeedsSettingAside_ = true;
        return makeSystemError(readError, "read", settingsURL_.string());
    }
    Result<SettingsDocument> document = parseDocument(bytes);
    if (!document) {
        unusableFileNeedsSettingAside_ = true;
        return document.error();
    }
    if (document.value().version != kCurrentVersion) {
        unusableFileNeedsSettingAside_ = true;
        DiagnosticLog::settingsLoadFailed(SettingsFileFailure::unsupportedVersion(document.value().version));
        return ApplicationSettings::defaults();
    }
    ownFile_ = read;
    return settingsFrom(std::move(document).value());
}

VoidResult JSONApplicationSettingsStore::save(const ApplicationSettings& settings) {
    std::lock_guard lock(mutex_);
    const std::string bytes = encode(settings);
    const std::filesystem::path folder = settingsURL_.parent_path();
    if (const std::error_code error = createFolderWithIntermediates(folder)) {
        return makeSystemError(error, "create folder", folder.string());
    }
    // What stands at the path is moved, never what a link there leads to: that may be
    // anyone's file, and the link itself keeps the way to it.
    if (unusableFileNeedsSettingAside_) {
        VoidResult setAside = setAsideUnusableFile();
        if (!setAside) return setAside;
        unusableFileNeedsSettingAside_ = false;
    }
    // It holds the practitioner's name, address and telephone number: theirs alone. A
    // link (a dotfile kept elsewhere) is written through only to the file last read
    // or written here.
    FileIdentity written;
    if (const std::error_code error = replaceFileAtomically(settingsURL_, bytes, kFileMode, ownFile_, &written)) {
        return makeSystemError(error, "write", settingsURL_.string());
    }
    ownFile_ = written;
    return {};
}

VoidResult JSONApplicationSettingsStore::setAsideUnusableFile() {
    for (int attempt = 0; attempt < kSetAsideAttempts; ++attempt) {
        const std::filesystem::path destination = setAsidePath(settingsURL_, attempt);
        const std::error_code error = renameWithoutReplacing(settingsURL_, destination);
        // Gone in the meantime: there is nothing left to keep.
        if (!error || error == std::errc::no_such_file_or_directory) return {};
        if (error != std::errc::file_exists) return makeSystemError(error, "set aside", settingsURL_.string());
    }
    return makeSystemError(EEXIST, "set aside", settingsURL_.string());
}

std::string JSONApplicationSettingsStore::encode(const ApplicationSettings& settings) {
    Json document = Json::object();
    document["version"] = kCurrentVersion;
    document["maximumImageSide"] = settings.maximumImageSide;
    document["originalComparisonLabel"] = settings.originalComparisonLabel.toStdString();
    document["simulationComparisonLabel"] = settings.simulationComparisonLabel.toStdString();
    document["contactName"] = settings.contactName.toStdString();
    document["contactEmail"] = settings.contactEmail.toStdString();
    document["contactPhoneNumber"] = settings.contactPhoneNumber.toStdString();
    document["contactWebsite"] = settings.contactWebsite.toStdString();
    document["contactAddress"] = settings.contactAddress.toStdString();
    document["contactFreeText"] = settings.contactFreeText.toStdString();
    document["preferredStillImageFileFormat"] =
        std::string(stillImageFileFormatRawValue(settings.preferredStillImageFileFormat));
    document["preferredStillImageJpegQuality"] = settings.preferredStillImageJpegQuality;
    document["preferredStillImageSaveSelection"] =
        std::string(stillImageSaveSelectionRawValue(settings.preferredStillImageSaveSelection));
    document["automaticallySizeStillImages"] = settings.automaticallySizeStillImages;
    if (settings.preferredStillImageIndividualMaximumDimension) {
        document["preferredStillImageIndividualMaximumDimension"] =
            *settings.preferredStillImageIndividualMaximumDimension;
    }
    if (settings.preferredStillImageComparisonMaximumStackedDimension) {
        document["preferredStillImageComparisonMaximumStackedDimension"] =
            *settings.preferredStillImageComparisonMaximumStackedDimension;
    }
    document["includeLabelsInStillImages"] = settings.includeLabelsInStillImages;
    document["includeContactInformationInStillImages"] = settings.includeContactInformationInStillImages;
    document["includeLabelsWhenSharing"] = settings.includeLabelsWhenSharing;
    document["includeContactInformationWhenSharing"] = settings.includeContactInformationWhenSharing;
    document["lastStillImageSaveLocationPath"] = settings.lastStillImageSaveLocationPath.toStdString();
    Json locations = Json::array();
    for (const StillImageSaveLocation& location : settings.recentStillImageSaveLocations) {
        locations.push_back(locationJson(location));
    }
    document["recentStillImageSaveLocations"] = std::move(locations);
    return prettyPrintedJson(document);
}

}  // namespace vlt
