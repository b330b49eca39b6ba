#pragma once

#include <cstddef>
#include <filesystem>
#include <mutex>
#include <optional>

#include <sys/types.h>

#include "base/file_identity.h"
#include "foundation/application_settings_storing.h"

namespace vlt {

// Keeps the settings in one JSON file ("settings.json"). Every load reads the file
// anew; a missing file gives the defaults. Saving writes the whole record with a fixed
// byte layout and replaces the file atomically.
//
// A file that exists but cannot be used (unreadable, not JSON, wrong types, too
// large, another "version") is never silently overwritten: the first save after such
// a load first moves it aside as "settings.json.unreadable-<UTC time>", so the user's
// settings can still be recovered by hand. When it is a symbolic link, the link is
// moved aside and the file it leads to is left where and as it is. The store does this
// itself, so no caller can forget it. A failed load is logged once as
// settings_load_failed: by the caller when load() returns an error, by the store when
// it declines a file of another version (load() still returns the defaults then).
class JSONApplicationSettingsStore final : public ApplicationSettingsStoring {
public:
    explicit JSONApplicationSettingsStore(std::filesystem::path settingsURL);

    Result<ApplicationSettings> load() override;
    VoidResult save(const ApplicationSettings& settings) override;

    const std::filesystem::path& settingsURL() const { return settingsURL_; }

    // "settings.json" in the application's folder (see ApplicationFolders). Creates nothing.
    static std::filesystem::path defaultSettingsURL();

    // The record in the file's exact layout.
    static std::string encode(const ApplicationSettings& settings);

    static constexpr const char* kFileName = "settings.json";
    static constexpr std::int64_t kCurrentVersion = 1;
    // Far beyond any real settings file; larger files are refused unread.
    static constexpr std::size_t kMaximumFileBytes = 4 * 1024 * 1024;
    // Read and written by its owner only.
    static constexpr mode_t kFileMode = 0600;

private:
    VoidResult setAsideUnusableFile();

    const std::filesystem::path settingsURL_;
    std::mutex mutex_;
    // Set when the last load found a file it could not use; cleared once the file is moved aside.
    bool unusableFileNeedsSettingAside_ = false;
    // The file last loaded as a valid settings file, or last written: the only one a
    // link at the path is written through to.
    std::optional<FileIdentity> ownFile_;
};

}  // namespace vlt
