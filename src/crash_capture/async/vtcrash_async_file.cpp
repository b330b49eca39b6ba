#include "crash_capture/async/vtcrash_async_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "crash_capture/async/vtcrash_async_string.h"

ssize_t vtcrash_async_writen(int fd, const void* data, size_t length) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    size_t written = 0;
    while (written < length) {
        const ssize_t result = ::write(fd, bytes + written, length - written);
        if (result < 0 && errno == EINTR) continue;
        if (result < 1) return -1;
        written += static_cast<size_t>(result);
    }
    return static_cast<ssize_t>(written);
}

void vtcrash_async_file_init(vtcrash_async_file* file, int fd, uint64_t limit_bytes) {
    file->fd = fd;
    file->limit_bytes = limit_bytes;
    file->total_bytes = 0;
    file->buffer_length = 0;
}

vtcrash_error_t vtcrash_async_file_create(vtcrash_async_file* file, int folder_fd, const char* name,
                                          uint64_t limit_bytes) {
    // The named constants: numeric open flags differ between systems. O_EXCL with O_CREAT
    // never follows a link; O_NOFOLLOW says so once more.
    constexpr int kFlags = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    constexpr mode_t kMode = 0644;
    // A link goes, never its target; so does an empty folder, which a file cannot replace.
    if (::unlinkat(folder_fd, name, 0) != 0 && errno != ENOENT) ::unlinkat(folder_fd, name, AT_REMOVEDIR);
    int fd = -1;
    do {
        fd = ::openat(folder_fd, name, kFlags, kMode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return VTCRASH_ERR_OUTPUT;
    vtcrash_async_file_init(file, fd, limit_bytes);
    return VTCRASH_OK;
}

bool vtcrash_async_file_write(vtcrash_async_file* file, const void* data, size_t length) {
    // total_bytes never passes the limit, so the subtraction cannot wrap.
    if (file->limit_bytes != 0 && length > file->limit_bytes - file->total_bytes) return false;
    file->total_bytes += length;

    if (file->buffer_length + length > VTCRASH_ASYNC_FILE_BUFFER_SIZE && !vtcrash_async_file_flush(file)) {
        return false;
    }
    if (length > VTCRASH_ASYNC_FILE_BUFFER_SIZE) return vtcrash_async_writen(file->fd, data, length) >= 0;

    vtcrash_async_memcpy(file->buffer + file->buffer_length, data, length);
    file->buffer_length += length;
    return true;
}

bool vtcrash_async_file_flush(vtcrash_async_file* file) {
    if (file->buffer_length == 0) return true;
    if (vtcrash_async_writen(file->fd, file->buffer, file->buffer_length) < 0) return false;
    file->buffer_length = 0;
    return true;
}

bool vtcrash_async_file_close(vtcrash_async_file* file) {
    if (!vtcrash_async_file_flush(file)) return false;
    // Linux releases the descriptor even when close is interrupted; a retry could
    // close a descriptor that another thread has opened since.
    return ::close(file->fd) == 0 || errno == EINTR;
}
