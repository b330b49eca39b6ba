#include "base/private_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/folder_creation.h"

namespace vlt {

namespace {

constexpr mode_t kPrivateFolderMode = 0700;
constexpr mode_t kOthersMayWrite = S_IWGRP | S_IWOTH;
constexpr mode_t kOthersMayEnter = S_IRWXG | S_IRWXO;

struct Opened {
    PrivateFolder::Status status;
    FileDescriptor folder;
};

// A folder inside `parent`, opened without following a link; created first when asked.
Opened openChild(int parent, const std::string& name, bool create) {
    if (create && ::mkdirat(parent, name.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST) {
        return {PrivateFolder::Status::refused, {}};
    }
    FileDescriptor folder(::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.isOpen()) {
        return {errno == ENOENT ? PrivateFolder::Status::missing : PrivateFolder::Status::refused, {}};
    }
    struct stat status {};
    if (::fstat(folder.get(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) {
        return {PrivateFolder::Status::refused, {}};
    }
    return {PrivateFolder::Status::opened, std::move(folder)};
}

bool isGone(int folder, const std::string& name) {
    struct stat status {};
    return ::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT;
}

}  // namespace

PrivateFolder PrivateFolder::open(const std::filesystem::path& root, bool create) {
    const std::filesystem::path normal = root.lexically_normal();
    const std::filesystem::path rootPath = normal.has_filename() ? normal : normal.parent_path();
    const std::filesystem::path parentPath = rootPath.parent_path();
    const std::filesystem::path basePath = parentPath.parent_path();
    if (!rootPath.has_filename() || !parentPath.has_filename() || basePath.empty()) return {Status::refused, {}};

    // Above the application's own two folders lies the user's own area (the runtime or
    // cache folder), which is trusted as the system hands it over.
    if (create && createFolderWithIntermediates(basePath)) return {Status::refused, {}};
    const FileDescriptor base(::open(basePath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!base.isOpen()) return {errno == ENOENT ? Status::missing : Status::refused, {}};

    Opened parent = openChild(base.get(), parentPath.filename().string(), create);
    if (parent.status != Status::opened) return {parent.status, {}};
    struct stat parentStatus {};
    if (::fstat(parent.folder.get(), &parentStatus) != 0 || (parentStatus.st_mode & kOthersMayWrite) != 0) {
        return {Status::refused, {}};
    }

    Opened opened = openChild(parent.folder.get(), rootPath.filename().string(), create);
    if (opened.status != Status::opened) return {opened.status, {}};
    struct stat rootStatus {};
    if (::fstat(opened.folder.get(), &rootStatus) != 0) return {Status::refused, {}};
    if ((rootStatus.st_mode & kOthersMayEnter) != 0 && ::fchmod(opened.folder.get(), kPrivateFolderMode) != 0) {
        return {Status::refused, {}};
    }
    return {Status::opened, std::move(opened.folder)};
}

bool PrivateFolder::removeEntry(int folder, const std::string& name) {
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT;
    if (!S_ISDIR(status.st_mode)) return ::unlinkat(folder, name.c_str(), 0) == 0 || isGone(folder, name);

    const int child = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (child < 0) return isGone(folder, name);
    // The stream owns the descriptor from here on.
    DIR* entries = ::fdopendir(child);
    if (entries == nullptr) {
        ::close(child);
        return false;
    }
    bool emptied = true;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string inner = entry->d_name;
        if (inner == "." || inner == "..") continue;
        emptied = removeEntry(::dirfd(entries), inner) && emptied;
    }
    ::closedir(entries);
    if (!emptied) return false;
    return ::unlinkat(folder, name.c_str(), AT_REMOVEDIR) == 0 || isGone(folder, name);
}

}  // namespace vlt
