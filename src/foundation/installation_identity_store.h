#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "base/error.h"
#include "base/result.h"

namespace vlt {

// What a store does with an identity file it cannot use (unreadable, not JSON, another
// schemaVersion, a malformed identifier).
enum class DamagedIdentityPolicy {
    reject,   // fail and leave the file exactly as it is
    replace,  // write a new identity over it
};

// The identity file held no identity the store could use (reject policy only).
class InstallationIdentityFailure final : public Failure {
public:
    std::string typeName() const override { return "InstallationIdentityFailure"; }
    std::int64_t code() const override { return 0; }
    std::string diagnosticCode() const override { return "installation_identity_invalid"; }
};

// The random identifier by which this installation names itself to one cloud service,
// kept in a small JSON file {"schemaVersion":1,"installationId":"<32 hex>"} in the
// application's data folder, beside settings.json. The file is created when missing,
// atomically and readable by its owner only; a valid file is never rewritten.
class InstallationIdentityStore {
public:
    // Writes the bytes atomically with the given mode, never through a link;
    // replaceFileAtomically outside tests.
    using WriteFile = std::error_code (*)(const std::filesystem::path&, std::string_view, mode_t);

    static constexpr const char* kFeedbackFileName = "feedback-installation.json";
    static constexpr const char* kCrashReportFileName = "crash-report-installation.json";
    static constexpr std::int64_t kSchemaVersion = 1;
    static constexpr mode_t kFileMode = 0600;

    InstallationIdentityStore(std::filesystem::path filePath, DamagedIdentityPolicy policy,
                              WriteFile writeFile = nullptr);

    // The identifier in the file, or a new one saved there when nothing exists at the
    // path (and, under the replace policy, when the file is unusable). Fails with the
    // read, decoding or write error, or an InstallationIdentityFailure for a well-formed
    // file with an unusable identity; nothing is written then under reject. Nothing is
    // ever written through a symbolic link: a link that leads to no valid identity
    // (nowhere, or to a file of someone else's) is an unusable file, left as it is under
    // reject, and under replace the new file takes the link's own place.
    Result<std::string> loadOrCreate() const;

    const std::filesystem::path& filePath() const { return filePath_; }

    // `fileName` in the application's data folder. Creates nothing.
    static std::filesystem::path defaultFilePath(std::string_view fileName);
    // A random UUID's text without "-", in lower case: 32 hexadecimal characters.
    static std::string makeIdentifier();

private:
    Result<std::string> load() const;
    Result<std::string> create() const;

    std::filesystem::path filePath_;
    DamagedIdentityPolicy policy_;
    WriteFile writeFile_;
};

}  // namespace vlt
