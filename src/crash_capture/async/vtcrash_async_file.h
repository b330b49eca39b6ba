#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

#include "crash_capture/async/vtcrash_error.h"

// A file written at crash time through a fixed inline buffer, with an optional limit
// on the bytes it accepts. Writes that would pass the limit are refused whole, so a
// crash log that hits the limit is cut at a write boundary.

constexpr size_t VTCRASH_ASYNC_FILE_BUFFER_SIZE = 256;

struct vtcrash_async_file {
    int fd;
    // 0 means unlimited.
    uint64_t limit_bytes;
    // Bytes accepted so far, buffered or written.
    uint64_t total_bytes;
    size_t buffer_length;
    uint8_t buffer[VTCRASH_ASYNC_FILE_BUFFER_SIZE];
};

// Writes every byte with repeated write calls, retrying those a signal interrupted.
// Returns the count, or -1 when a call fails or writes nothing.
ssize_t vtcrash_async_writen(int fd, const void* data, size_t length);

void vtcrash_async_file_init(vtcrash_async_file* file, int fd, uint64_t limit_bytes);

// Creates the file `name` afresh in the folder open as `folder_fd`, for reading and
// writing with mode 0644, and sets `file` up on it. A file, a link or an empty folder that
// stands there is removed first, never followed, and one put there meanwhile makes the
// creation fail.
// VTCRASH_ERR_OUTPUT when it cannot be created.
vtcrash_error_t vtcrash_async_file_create(vtcrash_async_file* file, int folder_fd, const char* name,
                                          uint64_t limit_bytes);

bool vtcrash_async_file_write(vtcrash_async_file* file, const void* data, size_t length);

// Writes out what the buffer holds; true when the buffer is empty afterwards.
bool vtcrash_async_file_flush(vtcrash_async_file* file);

// Flushes, then closes the descriptor. A failed flush leaves the descriptor open.
bool vtcrash_async_file_close(vtcrash_async_file* file);
