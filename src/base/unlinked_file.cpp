#include "base/unlinked_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

namespace vlt {

namespace {

// Moves the bytes in as many calls as the file takes.
template <typename Bytes, typename Transfer>
bool transferAll(Transfer transfer, int descriptor, Bytes* bytes, std::size_t count, std::uint64_t offset) {
    while (count > 0) {
        const ssize_t moved = transfer(descriptor, bytes, count, off_t(offset));
        if (moved < 0 && errno == EINTR) continue;
        if (moved <= 0) return false;
        bytes += moved;
        count -= std::size_t(moved);
        offset += std::uint64_t(moved);
    }
    return true;
}

}  // namespace

FileDescriptor createUnlinkedFile(int folder, mode_t mode) {
    FileDescriptor file(::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
    if (file.isOpen()) return file;
    std::random_device random;
    const std::string name = ".vlt-unlinked-" + std::to_string(random()) + std::to_string(random());
    FileDescriptor named(::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!named.isOpen()) return {};
    if (::unlinkat(folder, name.c_str(), 0) != 0) return {};
    return named;
}

bool writeAllAt(int descriptor, const void* bytes, std::size_t count, std::uint64_t offset) {
    return transferAll(::pwrite, descriptor, static_cast<const unsigned char*>(bytes), count, offset);
}

bool readAllAt(int descriptor, void* bytes, std::size_t count, std::uint64_t offset) {
    return transferAll(::pread, descriptor, static_cast<unsigned char*>(bytes), count, offset);
}

}  // namespace vlt
