#include "foundation/installation_identity_store.h"

#include <QUuid>
#include <nlohmann/json.hpp>

#include "base/application_folders.h"
#include "base/atomic_file.h"
#include "base/file_contents.h"
#include "base/folder_creation.h"
#include "base/system_error.h"
#include "foundation/json_object_fields.h"
#include "foundation/lowercase_hex.h"

namespace vlt {

namespace {

// A real identity file is about seventy bytes; anything far larger is not one.
constexpr std::size_t kMaximumFileBytes = 64 * 1024;

// A valid identity file is never rewritten, so the store writes only where nothing of
// its own stands: a link there, whatever it leads to, gives way to the new file.
std::error_code replaceEntry(const std::filesystem::path& path, std::string_view contents, mode_t mode) {
    return replaceFileAtomically(path, contents, mode);
}

}  // namespace

InstallationIdentityStore::InstallationIdentityStore(std::filesystem::path filePath, DamagedIdentityPolicy policy,
                                                     WriteFile writeFile)
    : filePath_(std::move(filePath)), policy_(policy), writeFile_(writeFile != nullptr ? writeFile : &replaceEntry) {}

Result<std::string> InstallationIdentityStore::loadOrCreate() const {
    // The entry itself, not where a link leads: a link whose target is missing is a
    // damaged file, not a missing one.
    std::error_code statusError;
    if (!std::filesystem::exists(std::filesystem::symlink_status(filePath_, statusError))) return create();
    Result<std::string> loaded = load();
    if (loaded.ok() || policy_ == DamagedIdentityPolicy::reject) return loaded;
    return create();
}

Result<std::string> InstallationIdentityStore::load() const {
    std::string bytes;
    if (const std::error_code error = readFileContents(filePath_, kMaximumFileBytes, bytes)) {
        return makeSystemError(error, "read", filePath_.string());
    }
    auto object = parseJsonObject(bytes);
    if (!object) return object.error();
    auto version = requiredJsonInteger(object.value(), "schemaVersion");
    if (!version) return version.error();
    auto identifier = requiredJsonString(object.value(), "installationId");
    if (!identifier) return identifier.error();
    if (version.value() != kSchemaVersion || !isLowercaseHexIdentifier(identifier.value())) {
        return makeError<InstallationIdentityFailure>();
    }
    return std::move(identifier).value();
}

Result<std::string> InstallationIdentityStore::create() const {
    const std::string identifier = makeIdentifier();
    nlohmann::ordered_json record;
    record["schemaVersion"] = kSchemaVersion;
    record["installationId"] = identifier;
    if (const std::error_code error = createFolderWithIntermediates(filePath_.parent_path())) {
        return makeSystemError(error, "create folder", filePath_.parent_path().string());
    }
    if (const std::error_code error = writeFile_(filePath_, record.dump(), kFileMode)) {
        return makeSystemError(error, "write", filePath_.string());
    }
    return identifier;
}

std::filesystem::path InstallationIdentityStore::defaultFilePath(std::string_view fileName) {
    return ApplicationFolders::applicationDataFolder() / fileName;
}

std::string InstallationIdentityStore::makeIdentifier() {
    return QUuid::createUuid().toString(QUuid::Id128).toLower().toStdString();
}

}  // namespace vlt
