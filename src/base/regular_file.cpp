#include "base/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <utility>

namespace vlt {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

std::error_code kindError(mode_t mode) {
    if (S_ISDIR(mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(mode)) return std::make_error_code(std::errc::invalid_argument);
    return {};
}

}  // namespace

std::error_code RegularFile::open(const std::filesystem::path& path, RegularFile& opened) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0) return lastError();
    RegularFile file;
    file.descriptor_ = descriptor;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) return lastError();
    if (const std::error_code error = kindError(status.st_mode)) return error;
    file.size_ = std::uint64_t(status.st_size);
    opened = std::move(file);
    return {};
}

std::error_code RegularFile::check(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return lastError();
    return kindError(status.st_mode);
}

RegularFile::Stream RegularFile::openStream(const std::filesystem::path& path) {
    // Opened and judged as one descriptor: a path checked first and opened after could
    // meanwhile name a pipe.
    RegularFile file;
    if (open(path, file)) return {nullptr, &std::fclose};
    Stream stream(::fdopen(file.descriptor_, "rb"), &std::fclose);
    if (stream) file.descriptor_ = -1;
    return stream;
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), size_(other.size_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    std::swap(descriptor_, other.descriptor_);
    std::swap(size_, other.size_);
    return *this;
}

RegularFile::~RegularFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

std::size_t RegularFile::readAt(std::uint64_t offset, std::span<unsigned char> buffer) const {
    constexpr auto kLastOffset = std::uint64_t(std::numeric_limits<off_t>::max());
    if (offset > kLastOffset || buffer.size() > kLastOffset - offset) return 0;
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const ssize_t count =
            ::pread(descriptor_, buffer.data() + filled, buffer.size() - filled, off_t(offset + filled));
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        filled += std::size_t(count);
    }
    return filled;
}

}  // namespace vlt
