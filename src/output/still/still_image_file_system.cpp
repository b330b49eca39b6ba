#include "output/still/still_image_file_system.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/exclusive_rename.h"
#include "base/system_error.h"

namespace vlt {
namespace {

constexpr mode_t kNewFileMode = 0644;
// NAME_MAX of nearly every Linux file system, for when the folder cannot be asked.
constexpr std::size_t kDefaultNameLengthLimit = 255;

ErrorPtr lastError(const char* operation, const std::filesystem::path& path) {
    return makeSystemError(errno, operation, path.string());
}

class SystemStillImageFileSystem final : public StillImageFileSystem {
public:
    Result<bool> entryExists(const std::filesystem::path& path) override {
        struct stat status {};
        if (::lstat(path.c_str(), &status) == 0) return true;
        if (errno == ENOENT) return false;
        return lastError("inspect", path);
    }

    std::size_t nameLengthLimit(const std::filesystem::path& folder) override {
        const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
        return limit > 0 ? std::size_t(limit) : kDefaultNameLengthLimit;
    }

    Result<FileDescriptor> createNewFile(const std::filesystem::path& path) override {
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (descriptor < 0) return lastError("create", path);
        return FileDescriptor(descriptor);
    }

    VoidResult syncAndClose(FileDescriptor file, const std::filesystem::path& path) override {
        if (::fsync(file.get()) != 0) return lastError("sync", path);
        if (::close(file.release()) != 0) return lastError("close", path);
        return {};
    }

    VoidResult renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) override {
        const std::error_code error = vlt::renameWithoutReplacing(from, to);
        if (error) return makeSystemError(error, "rename", to.string());
        return {};
    }

    VoidResult syncFolder(const std::filesystem::path& folder) override {
        const FileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!descriptor.isOpen()) return lastError("open", folder);
        // Some file systems cannot sync a folder; their renames are as durable as they get.
        if (::fsync(descriptor.get()) != 0 && errno != EINVAL && errno != ENOTSUP) return lastError("sync", folder);
        return {};
    }

    VoidResult removeFile(const std::filesystem::path& path) override {
        if (::unlink(path.c_str()) != 0) return lastError("remove", path);
        return {};
    }
};

}  // namespace

StillImageFileSystem& systemStillImageFileSystem() {
    static SystemStillImageFileSystem fileSystem;
    return fileSystem;
}

}  // namespace vlt
