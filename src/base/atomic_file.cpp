#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

#include "base/file_descriptor.h"

namespace vlt {

namespace {

// As many as the system itself follows before it gives up.
constexpr int kMaximumLinkHops = 40;
constexpr int kTemporaryNameAttempts = 100;
constexpr int kTemporaryNameLetters = 6;
constexpr std::string_view kNameAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// Until it is filled, the temporary file is its writer's alone.
constexpr mode_t kTemporaryMode = 0600;

std::error_code lastError() { return {errno, std::generic_category()}; }

// An entry to replace: the open folder that holds it and its name there. Everything
// after the choice of the entry goes through the folder's descriptor, so a link swapped
// into the path meanwhile cannot redirect the write.
struct Entry {
    FileDescriptor folder;
    std::string name;
};

std::error_code openEntry(const std::filesystem::path& path, Entry& entry) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    entry.folder = FileDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!entry.folder.isOpen()) return lastError();
    entry.name = path.filename().string();
    return {};
}

// Where `path` leads once every symbolic link on its last component is followed (the
// path itself when it is no link); the file there need not exist. ELOOP for a cycle.
std::error_code resolveFileLinks(const std::filesystem::path& path, std::filesystem::path& target) {
    std::filesystem::path current = path;
    for (int hop = 0; hop < kMaximumLinkHops; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) {
            target = current;
            return {};
        }
        const std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error) return error;
        // A relative link is relative to the folder that holds it.
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// The file a link at `path` leads to, when that is `ownFile`.
bool openOwnLinkTarget(const std::filesystem::path& path, const FileIdentity& ownFile, Entry& entry) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return false;
    std::filesystem::path target;
    if (resolveFileLinks(path, target) || openEntry(target, entry)) return false;
    const std::optional<FileIdentity> found = FileIdentity::ofEntry(entry.folder.get(), entry.name);
    return found && found->isSameFile(ownFile);
}

// A new hidden file beside the entry, under a name that nothing held before; on
// failure errno says why.
FileDescriptor createTemporaryFile(const Entry& entry, std::string& temporaryName) {
    std::random_device random;
    std::uniform_int_distribution<std::size_t> letter(0, kNameAlphabet.size() - 1);
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporaryName = "." + entry.name + ".";
        for (int count = 0; count < kTemporaryNameLetters; ++count) temporaryName += kNameAlphabet[letter(random)];
        const int descriptor = ::openat(entry.folder.get(), temporaryName.c_str(),
                                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kTemporaryMode);
        if (descriptor >= 0 || errno != EEXIST) return FileDescriptor(descriptor);
    }
    return {};
}

std::error_code writeAll(int descriptor, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(descriptor, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Writes, syncs and closes the temporary file; the caller removes it on failure.
std::error_code fillTemporaryFile(FileDescriptor file, std::string_view contents, mode_t mode, FileIdentity* written) {
    std::error_code error = writeAll(file.get(), contents);
    if (!error && ::fchmod(file.get(), mode) != 0) error = lastError();
    if (!error && ::fsync(file.get()) != 0) error = lastError();
    if (!error && written != nullptr) {
        const std::optional<FileIdentity> identity = FileIdentity::ofDescriptor(file.get());
        if (identity)
            *written = *identity;
        else
            error = lastError();
    }
    if (::close(file.release()) != 0 && !error) error = lastError();
    return error;
}

std::error_code syncFolder(int folder) {
    if (::fsync(folder) == 0) return {};
    const std::error_code error = lastError();
    // Some file systems cannot sync a folder; the rename itself has already happened.
    if (error == std::errc::invalid_argument || error == std::errc::operation_not_supported) return {};
    return error;
}

}  // namespace

std::error_code replaceFileAtomically(const std::filesystem::path& path, std::string_view contents, mode_t mode,
                                      const std::optional<FileIdentity>& ownFile, FileIdentity* written) {
    // 1. The entry to replace: the caller's own file when a link leads there, else
    //    whatever stands at the path, a link included.
    Entry entry;
    if (!ownFile || !openOwnLinkTarget(path, *ownFile, entry)) {
        if (const std::error_code error = openEntry(path, entry)) return error;
    }

    // 2. The new file beside it, complete and synced, then renamed over it.
    std::string temporaryName;
    FileDescriptor temporary = createTemporaryFile(entry, temporaryName);
    if (!temporary.isOpen()) return lastError();
    std::error_code error = fillTemporaryFile(std::move(temporary), contents, mode, written);
    if (!error && ::renameat(entry.folder.get(), temporaryName.c_str(), entry.folder.get(), entry.name.c_str()) != 0) {
        error = lastError();
    }
    if (error) {
        ::unlinkat(entry.folder.get(), temporaryName.c_str(), 0);
        return error;
    }
    return syncFolder(entry.folder.get());
}

}  // namespace vlt
