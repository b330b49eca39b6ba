#include "crash_capture/async/vtcrash_async_task.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

// Pages probed per process_vm_readv call; the iovecs live on the (alternate) stack.
constexpr size_t kProbeBatch = 32;
// A pipe holds at least one page, so a chunk of this size never blocks the writer.
constexpr uint64_t kPipeChunk = 4096;

vtcrash_error_t errorOfVmRead(int error) {
    switch (error) {
    case EFAULT:
        return VTCRASH_ERR_NOTFOUND;
    case EPERM:
    case ESRCH:
        return VTCRASH_ERR_ACCESS;
    default:
        return VTCRASH_ERR_UNKNOWN;
    }
}

vtcrash_error_t vmCopy(const vtcrash_async_task* task, uint64_t source, void* dest, uint64_t length) {
    iovec local = {dest, length};
    iovec remote = {reinterpret_cast<void*>(source), length};
    const ssize_t copied = ::process_vm_readv(task->pid, &local, 1, &remote, 1, 0);
    if (copied < 0) return errorOfVmRead(errno);
    // A short copy stopped at a page that cannot be read.
    return static_cast<uint64_t>(copied) == length ? VTCRASH_OK : VTCRASH_ERR_NOTFOUND;
}

// Reads back exactly `length` bytes that a write has just put into the pipe.
bool drainPipe(const vtcrash_async_task* task, uint8_t* dest, uint64_t length) {
    uint64_t done = 0;
    while (done < length) {
        const ssize_t result = ::read(task->pipe_fds[0], dest + done, length - done);
        if (result < 0 && errno == EINTR) continue;
        if (result < 1) return false;
        done += static_cast<uint64_t>(result);
    }
    return true;
}

vtcrash_error_t pipeCopy(const vtcrash_async_task* task, uint64_t source, void* dest, uint64_t length) {
    auto* out = static_cast<uint8_t*>(dest);
    for (uint64_t done = 0; done < length;) {
        const uint64_t chunk = length - done < kPipeChunk ? length - done : kPipeChunk;
        const ssize_t written = ::write(task->pipe_fds[1], reinterpret_cast<const void*>(source + done), chunk);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno == EFAULT ? VTCRASH_ERR_NOTFOUND : VTCRASH_ERR_UNKNOWN;
        if (!drainPipe(task, out + done, static_cast<uint64_t>(written))) return VTCRASH_ERR_UNKNOWN;
        // A short write stopped at a page that cannot be read.
        if (static_cast<uint64_t>(written) < chunk) return VTCRASH_ERR_NOTFOUND;
        done += chunk;
    }
    return VTCRASH_OK;
}

vtcrash_error_t copy(const vtcrash_async_task* task, uint64_t source, void* dest, uint64_t length) {
    if (length == 0) return VTCRASH_OK;
    return task->reader == VTCRASH_TASK_READER_VM ? vmCopy(task, source, dest, length)
                                                  : pipeCopy(task, source, dest, length);
}

// Readable pages from `first_page` on, at most `count`, one byte of each copied in
// batches; the copy stops at the first page that cannot be read.
uint64_t readablePages(const vtcrash_async_task* task, uint64_t first_page, uint64_t count) {
    uint8_t sink[kProbeBatch];
    uint64_t readable = 0;
    while (readable < count) {
        const size_t batch = count - readable < kProbeBatch ? static_cast<size_t>(count - readable) : kProbeBatch;
        size_t answered = 0;
        if (task->reader == VTCRASH_TASK_READER_VM) {
            iovec remote[kProbeBatch];
            for (size_t i = 0; i < batch; ++i) {
                remote[i] = {reinterpret_cast<void*>(first_page + (readable + i) * task->page_size), 1};
            }
            iovec local = {sink, batch};
            const ssize_t copied = ::process_vm_readv(task->pid, &local, 1, remote, batch, 0);
            answered = copied < 0 ? 0 : static_cast<size_t>(copied);
        } else {
            while (answered < batch &&
                   pipeCopy(task, first_page + (readable + answered) * task->page_size, sink, 1) == VTCRASH_OK) {
                ++answered;
            }
        }
        readable += answered;
        if (answered < batch) break;
    }
    return readable;
}

bool readerWorks(const vtcrash_async_task* task) {
    const uint64_t probe = 0x5a5a5a5a5a5a5a5a;
    uint64_t copy_of_probe = 0;
    return copy(task, reinterpret_cast<uint64_t>(&probe), &copy_of_probe, sizeof probe) == VTCRASH_OK &&
           copy_of_probe == probe;
}

}  // namespace

vtcrash_error_t vtcrash_async_task_init(vtcrash_async_task* task) {
    if (vtcrash_async_task_init_with_reader(task, VTCRASH_TASK_READER_VM) == VTCRASH_OK) return VTCRASH_OK;
    return vtcrash_async_task_init_with_reader(task, VTCRASH_TASK_READER_PIPE);
}

vtcrash_error_t vtcrash_async_task_init_with_reader(vtcrash_async_task* task, vtcrash_async_task_reader_t reader) {
    task->pid = ::getpid();
    task->reader = reader;
    task->page_size = static_cast<uint64_t>(::sysconf(_SC_PAGESIZE));
    task->pipe_fds[0] = task->pipe_fds[1] = -1;
    if (reader == VTCRASH_TASK_READER_PIPE && ::pipe2(task->pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        task->pipe_fds[0] = task->pipe_fds[1] = -1;
        return VTCRASH_ERR_INTERNAL;
    }
    if (readerWorks(task)) return VTCRASH_OK;
    vtcrash_async_task_free(task);
    return VTCRASH_ERR_NOTSUP;
}

void vtcrash_async_task_free(vtcrash_async_task* task) {
    for (int& fd : task->pipe_fds) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

bool vtcrash_async_address_apply_offset(uint64_t base, int64_t offset, uint64_t* out) {
    uint64_t sum = 0;
    if (offset >= 0) {
        if (__builtin_add_overflow(base, static_cast<uint64_t>(offset), &sum)) return false;
    } else {
        // The magnitude of the most negative offset still fits an unsigned word.
        const uint64_t magnitude = ~static_cast<uint64_t>(offset) + 1;
        if (magnitude > base) return false;
        sum = base - magnitude;
    }
    if (out != nullptr) *out = sum;
    return true;
}

bool vtcrash_async_address_remove_offset(uint64_t base, int64_t offset, uint64_t* out) {
    uint64_t difference = 0;
    const bool wraps = offset >= 0 ? __builtin_sub_overflow(base, static_cast<uint64_t>(offset), &difference)
                                   : __builtin_add_overflow(base, ~static_cast<uint64_t>(offset) + 1, &difference);
    if (wraps) return false;
    if (out != nullptr) *out = difference;
    return true;
}

vtcrash_error_t vtcrash_async_task_memcpy(const vtcrash_async_task* task, uint64_t address, int64_t offset, void* dest,
                                          uint64_t length) {
    uint64_t source = 0;
    uint64_t end = 0;
    if (!vtcrash_async_address_apply_offset(address, offset, &source)) return VTCRASH_ERR_NOMEM;
    if (__builtin_add_overflow(source, length, &end)) return VTCRASH_ERR_NOMEM;
    return copy(task, source, dest, length);
}

vtcrash_error_t vtcrash_async_task_read_uint8(const vtcrash_async_task* task, uint64_t address, int64_t offset,
                                              uint8_t* out) {
    return vtcrash_async_task_memcpy(task, address, offset, out, sizeof *out);
}

vtcrash_error_t vtcrash_async_task_read_uint16(const vtcrash_async_task* task, const vtcrash_async_byteorder* order,
                                               uint64_t address, int64_t offset, uint16_t* out) {
    uint16_t raw = 0;
    const vtcrash_error_t result = vtcrash_async_task_memcpy(task, address, offset, &raw, sizeof raw);
    if (result == VTCRASH_OK) *out = order->swap16(raw);
    return result;
}

vtcrash_error_t vtcrash_async_task_read_uint32(const vtcrash_async_task* task, const vtcrash_async_byteorder* order,
                                               uint64_t address, int64_t offset, uint32_t* out) {
    uint32_t raw = 0;
    const vtcrash_error_t result = vtcrash_async_task_memcpy(task, address, offset, &raw, sizeof raw);
    if (result == VTCRASH_OK) *out = order->swap32(raw);
    return result;
}

vtcrash_error_t vtcrash_async_task_read_uint64(const vtcrash_async_task* task, const vtcrash_async_byteorder* order,
                                               uint64_t address, int64_t offset, uint64_t* out) {
    uint64_t raw = 0;
    const vtcrash_error_t result = vtcrash_async_task_memcpy(task, address, offset, &raw, sizeof raw);
    if (result == VTCRASH_OK) *out = order->swap64(raw);
    return result;
}

uint64_t vtcrash_async_task_readable_length(const vtcrash_async_task* task, uint64_t address, uint64_t length) {
    const uint64_t page_mask = task->page_size - 1;
    const uint64_t first_page = address & ~page_mask;
    uint64_t end = 0;
    if (length == 0 || __builtin_add_overflow(address, length, &end)) return 0;
    const uint64_t last_page = (end - 1) & ~page_mask;
    const uint64_t page_count = (last_page - first_page) / task->page_size + 1;
    const uint64_t readable_end = first_page + readablePages(task, first_page, page_count) * task->page_size;
    if (readable_end <= address) return 0;
    return readable_end - address < length ? readable_end - address : length;
}

pid_t vtcrash_async_thread_self() { return static_cast<pid_t>(::syscall(SYS_gettid)); }
