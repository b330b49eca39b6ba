#include "base/file_identity.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace vlt {

namespace {

FileIdentity identityOf(const struct stat& status) {
    FileIdentity identity;
    identity.device = std::uint64_t(status.st_dev);
    identity.inode = std::uint64_t(status.st_ino);
    identity.size = std::int64_t(status.st_size);
    identity.modifiedSeconds = std::int64_t(status.st_mtim.tv_sec);
    identity.modifiedNanoseconds = std::int64_t(status.st_mtim.tv_nsec);
    identity.changedSeconds = std::int64_t(status.st_ctim.tv_sec);
    identity.changedNanoseconds = std::int64_t(status.st_ctim.tv_nsec);
    return identity;
}

}  // namespace

std::optional<FileIdentity> FileIdentity::ofDescriptor(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) return std::nullopt;
    return identityOf(status);
}

std::optional<FileIdentity> FileIdentity::ofPath(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return identityOf(status);
}

std::optional<FileIdentity> FileIdentity::ofEntry(int folder, const std::string& name) {
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
    return identityOf(status);
}

}  // namespace vlt
