#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <system_error>

namespace vlt {

// A regular file opened for reading. Opening never blocks, whatever the path names:
// the open itself does not wait (a pipe without a writer would hold an ordinary open
// forever), and anything that is not a regular file is refused before a byte is read:
// a folder with EISDIR, a pipe, a device or a socket with EINVAL. Links are followed.
class RegularFile {
public:
    static std::error_code open(const std::filesystem::path& path, RegularFile& opened);
    // The same answer as open() without opening anything (ENOENT when nothing is there).
    static std::error_code check(const std::filesystem::path& path);
    // A stdio stream for a library that reads one; none for anything but a regular file,
    // so that such a reader never waits on a pipe.
    using Stream = std::unique_ptr<FILE, int (*)(FILE*)>;
    static Stream openStream(const std::filesystem::path& path);

    RegularFile() = default;
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile();

    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }
    // The size when it was opened.
    std::uint64_t size() const { return size_; }
    // Reads into `buffer` from `offset` on; returns how many bytes were read, fewer only
    // at the end of the file or on a read error.
    std::size_t readAt(std::uint64_t offset, std::span<unsigned char> buffer) const;

private:
    int descriptor_ = -1;
    std::uint64_t size_ = 0;
};

}  // namespace vlt
