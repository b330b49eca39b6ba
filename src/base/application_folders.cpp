#include "base/application_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace vlt {

namespace {

std::optional<std::filesystem::path> absoluteEnvironmentPath(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return std::nullopt;
    return std::filesystem::path(value);
}

std::optional<std::filesystem::path> homeFolder() {
    if (auto home = absoluteEnvironmentPath("HOME")) return home;
    const passwd* entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') {
        return std::filesystem::path(entry->pw_dir);
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> xdgFolder(const char* variable, const char* homeRelative) {
    if (auto folder = absoluteEnvironmentPath(variable)) return folder;
    if (auto home = homeFolder()) return *home / homeRelative;
    return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> ApplicationFolders::userDataFolder() {
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

std::optional<std::filesystem::path> ApplicationFolders::userConfigFolder() {
    return xdgFolder("XDG_CONFIG_HOME", ".config");
}

std::optional<std::filesystem::path> ApplicationFolders::userRuntimeFolder() {
    return absoluteEnvironmentPath("XDG_RUNTIME_DIR");
}

std::optional<std::filesystem::path> ApplicationFolders::userCacheFolder() {
    return xdgFolder("XDG_CACHE_HOME", ".cache");
}

std::filesystem::path ApplicationFolders::temporaryFolder() {
    return absoluteEnvironmentPath("TMPDIR").value_or(std::filesystem::path("/tmp"));
}

std::filesystem::path ApplicationFolders::applicationDataFolder() {
    return userDataFolder().value_or(temporaryFolder()) / kFolderName;
}

std::filesystem::path ApplicationFolders::applicationConfigFolder() {
    return userConfigFolder().value_or(temporaryFolder()) / kFolderName;
}

}  // namespace vlt
