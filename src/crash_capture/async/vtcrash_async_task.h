#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

#include "crash_capture/async/vtcrash_async_byteorder.h"
#include "crash_capture/async/vtcrash_error.h"

// Crash-time code reads memory it cannot trust (stacks, unwind tables, loader lists)
// only through checked copies: the kernel copies the bytes and reports a bad address
// instead of faulting. Linux answers the same for an unmapped page and a protected one,
// so both read as VTCRASH_ERR_NOTFOUND.

typedef enum {
    // process_vm_readv on our own pid.
    VTCRASH_TASK_READER_VM = 0,
    // Where that call is refused (a seccomp filter, a kernel without it): the bytes go
    // through a pipe whose write reports a bad source with EFAULT. One reader at a time.
    VTCRASH_TASK_READER_PIPE = 1,
} vtcrash_async_task_reader_t;

// The process whose memory is read: always our own. Set up when capture is enabled,
// so that crash time only reads.
struct vtcrash_async_task {
    pid_t pid;
    vtcrash_async_task_reader_t reader;
    uint64_t page_size;
    int pipe_fds[2];
};

// Chooses process_vm_readv when it works here, the pipe otherwise.
vtcrash_error_t vtcrash_async_task_init(vtcrash_async_task* task);
// With the given reader; VTCRASH_ERR_NOTSUP when it does not work here.
vtcrash_error_t vtcrash_async_task_init_with_reader(vtcrash_async_task* task, vtcrash_async_task_reader_t reader);
void vtcrash_async_task_free(vtcrash_async_task* task);

// base + offset, or false when the sum wraps past the top or below zero. Every address
// sum of the crash-time code goes through here.
bool vtcrash_async_address_apply_offset(uint64_t base, int64_t offset, uint64_t* out);
// base − offset, or false when the difference wraps below zero or past the top; also for
// the most negative offset, which has no positive counterpart to add.
bool vtcrash_async_address_remove_offset(uint64_t base, int64_t offset, uint64_t* out);

// Copies `length` bytes at address + offset into `dest`. A wrapping sum gives
// VTCRASH_ERR_NOMEM, a range that is not wholly readable VTCRASH_ERR_NOTFOUND, a refused
// call VTCRASH_ERR_ACCESS.
vtcrash_error_t vtcrash_async_task_memcpy(const vtcrash_async_task* task, uint64_t address, int64_t offset, void* dest,
                                          uint64_t length);

vtcrash_error_t vtcrash_async_task_read_uint8(const vtcrash_async_task* task, uint64_t address, int64_t offset,
                                              uint8_t* out);
vtcrash_error_t vtcrash_async_task_read_uint16(const vtcrash_async_task* task, const vtcrash_async_byteorder* order,
                                               uint64_t address, int64_t offset, uint16_t* out);
vtcrash_error_t vtcrash_async_task_read_uint32(const vtcrash_async_task* task, const vtcrash_async_byteorder* order,
                                               uint64_t address, int64_t offset, uint32_t* out);
vtcrash_error_t vtcrash_async_task_read_uint64(const vtcrash_async_task* task, const vtcrash_async_byteorder* order,
                                               uint64_t address, int64_t offset, uint64_t* out);

// How many of the `length` bytes from `address` on can be read, found a page at a time.
uint64_t vtcrash_async_task_readable_length(const vtcrash_async_task* task, uint64_t address, uint64_t length);

// The calling thread's kernel thread id.
pid_t vtcrash_async_thread_self();
