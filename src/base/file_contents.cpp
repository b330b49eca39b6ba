#include "base/file_contents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vlt {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

std::error_code readOpenFile(int descriptor, std::size_t maximumBytes, std::string& contents) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) return lastError();
    if (S_ISDIR(status.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(status.st_mode)) return std::make_error_code(std::errc::invalid_argument);
    if (static_cast<std::size_t>(status.st_size) > maximumBytes) return std::make_error_code(std::errc::file_too_large);

    std::string buffer;
    buffer.resize(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    // The file may grow while it is read; one byte of room tells that it went past the limit.
    while (true) {
        if (filled == buffer.size()) {
            if (buffer.size() > maximumBytes) return std::make_error_code(std::errc::file_too_large);
            buffer.resize(std::min(buffer.size() + 4096, maximumBytes + 1));
        }
        const ssize_t count = ::read(descriptor, buffer.data() + filled, buffer.size() - filled);
        if (count < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        if (count == 0) break;
        filled += static_cast<std::size_t>(count);
    }
    if (filled > maximumBytes) return std::make_error_code(std::errc::file_too_large);
    buffer.resize(filled);
    contents = std::move(buffer);
    return {};
}

}  // namespace

std::error_code readFileContents(const std::filesystem::path& path, std::size_t maximumBytes, std::string& contents) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) return lastError();
    const std::error_code error = readOpenFile(descriptor, maximumBytes, contents);
    ::close(descriptor);
    return error;
}

}  // namespace vlt
