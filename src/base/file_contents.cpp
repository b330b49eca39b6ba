#include "base/file_contents.h"

#include "base/regular_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vlt {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

std::error_code readOpenFile(const RegularFile& file, std::size_t maximumBytes, std::string& contents) {
    if (file.size() > maximumBytes) return std::make_error_code(std::errc::file_too_large);

    std::string buffer;
    buffer.resize(static_cast<std::size_t>(file.size()));
    std::size_t filled = 0;
    // The file may grow while it is read; one byte of room tells that it went past the limit.
    while (true) {
        if (filled == buffer.size()) {
            if (buffer.size() > maximumBytes) return std::make_error_code(std::errc::file_too_large);
            buffer.resize(std::min(buffer.size() + 4096, maximumBytes + 1));
        }
        const ssize_t count = ::read(file.descriptor(), buffer.data() + filled, buffer.size() - filled);
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

std::error_code readFileContents(const std::filesystem::path& path, std::size_t maximumBytes, std::string& contents,
                                 FileIdentity* identity) {
    RegularFile file;
    if (const std::error_code error = RegularFile::open(path, file)) return error;
    if (identity != nullptr) {
        const std::optional<FileIdentity> opened = FileIdentity::ofDescriptor(file.descriptor());
        if (!opened) return lastError();
        *identity = *opened;
    }
    return readOpenFile(file, maximumBytes, contents);
}

}  // namespace vlt
