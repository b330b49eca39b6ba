#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace vlt {

namespace {

// As many as the system itself follows before it gives up.
constexpr int kMaximumLinkHops = 40;

std::error_code lastError() { return {errno, std::generic_category()}; }

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

std::error_code syncFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return lastError();
    const int result = ::fsync(descriptor);
    const std::error_code error = result == 0 ? std::error_code() : lastError();
    ::close(descriptor);
    // Some file systems cannot sync a folder; the rename itself has already happened.
    if (error == std::errc::invalid_argument || error == std::errc::operation_not_supported) return {};
    return error;
}

// Writes, syncs and closes the temporary file; the caller removes it on failure.
std::error_code fillTemporaryFile(int descriptor, std::string_view contents, mode_t mode) {
    std::error_code error = writeAll(descriptor, contents);
    if (!error && ::fchmod(descriptor, mode) != 0) error = lastError();
    if (!error && ::fsync(descriptor) != 0) error = lastError();
    if (::close(descriptor) != 0 && !error) error = lastError();
    return error;
}

}  // namespace

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

std::error_code replaceFileAtomically(const std::filesystem::path& link, std::string_view contents, mode_t mode) {
    std::filesystem::path path;
    if (const std::error_code error = resolveFileLinks(link, path)) return error;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string temporaryPath = (folder / ("." + path.filename().string() + ".XXXXXX")).string();

    const int descriptor = ::mkostemp(temporaryPath.data(), O_CLOEXEC);
    if (descriptor < 0) return lastError();

    std::error_code error = fillTemporaryFile(descriptor, contents, mode);
    if (!error && ::rename(temporaryPath.c_str(), path.c_str()) != 0) error = lastError();
    if (error) {
        ::unlink(temporaryPath.c_str());
        return error;
    }
    return syncFolder(folder);
}

}  // namespace vlt
