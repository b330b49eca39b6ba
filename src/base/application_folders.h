#pragma once

#include <filesystem>
#include <optional>

namespace vlt {

// Where the application keeps its files on this system.
class ApplicationFolders {
public:
    ApplicationFolders() = delete;

    static constexpr const char* kFolderName = "Veltrano";

    // The user's data folder: $XDG_DATA_HOME when it is an absolute path, else
    // ~/.local/share; none when no home folder can be found.
    static std::optional<std::filesystem::path> userDataFolder();
    // The user's configuration folder: $XDG_CONFIG_HOME when absolute, else ~/.config.
    static std::optional<std::filesystem::path> userConfigFolder();
    // $XDG_RUNTIME_DIR when it is an absolute path: private to the user and emptied
    // at logout. None without it.
    static std::optional<std::filesystem::path> userRuntimeFolder();
    // The user's cache folder: $XDG_CACHE_HOME when absolute, else ~/.cache.
    static std::optional<std::filesystem::path> userCacheFolder();
    // $TMPDIR when it is an absolute path, else /tmp.
    static std::filesystem::path temporaryFolder();

    // The application's own folder, "Veltrano" in the user's data folder or, without
    // one, in the temporary folder. Creates nothing.
    static std::filesystem::path applicationDataFolder();
    // "Veltrano" in the user's configuration folder, or in the temporary folder.
    static std::filesystem::path applicationConfigFolder();
};

}  // namespace vlt
