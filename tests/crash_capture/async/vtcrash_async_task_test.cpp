#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/uio.h>
#include <unistd.h>

#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_async_task.h"

// The test executable is linked with --wrap=process_vm_readv, so a test can make the
// kernel refuse the call as a seccomp filter would.
extern "C" ssize_t __real_process_vm_readv(pid_t, const iovec*, unsigned long, const iovec*, unsigned long,
                                           unsigned long);

namespace {
int refusedWith = 0;
}  // namespace

extern "C" ssize_t __wrap_process_vm_readv(pid_t pid, const iovec* local, unsigned long local_count,
                                           const iovec* remote, unsigned long remote_count, unsigned long flags) {
    if (refusedWith != 0) {
        errno = refusedWith;
        return -1;
    }
    return __real_process_vm_readv(pid, local, local_count, remote, remote_count, flags);
}

namespace {

// A readable page of known bytes, then a PROT_NONE page, then an unmapped one.
struct GuardedPages {
    GuardedPages() {
        auto* pages = static_cast<uint8_t*>(
            ::mmap(nullptr, 3 * size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        for (uint64_t i = 0; i < size; ++i) pages[i] = static_cast<uint8_t>(i * 7);
        ::mprotect(pages + size, size, PROT_NONE);
        ::munmap(pages + 2 * size, size);
        base = reinterpret_cast<uint64_t>(pages);
    }
    ~GuardedPages() { ::munmap(reinterpret_cast<void*>(base), 2 * size); }
    uint64_t size = static_cast<uint64_t>(::sysconf(_SC_PAGESIZE));
    uint64_t base = 0;
};

struct Task {
    explicit Task(vtcrash_async_task_reader_t reader) {
        EXPECT_EQ(vtcrash_async_task_init_with_reader(&task, reader), VTCRASH_OK);
    }
    ~Task() { vtcrash_async_task_free(&task); }
    vtcrash_async_task task{};
};

constexpr vtcrash_async_task_reader_t kReaders[] = {VTCRASH_TASK_READER_VM, VTCRASH_TASK_READER_PIPE};

TEST(AsyncTaskMemory, CopiesFailCleanlyAtGuardAndUnmappedPagesWithEitherReader) {
    GuardedPages pages;
    const uint64_t page = pages.size;
    struct Case {
        const char* situation;
        uint64_t start;
        uint64_t length;
        vtcrash_error_t expected;
    };
    const Case cases[] = {
        {"inside the readable page", 16, 64, VTCRASH_OK},
        {"a whole page", 0, page, VTCRASH_OK},
        {"running into the guard page", page - 8, 16, VTCRASH_ERR_NOTFOUND},
        {"inside the guard page", page + 8, 8, VTCRASH_ERR_NOTFOUND},
        {"inside the unmapped page", 2 * page + 8, 8, VTCRASH_ERR_NOTFOUND},
        {"larger than a pipe chunk into the guard", 0, page + 4096, VTCRASH_ERR_NOTFOUND},
    };
    for (const vtcrash_async_task_reader_t reader : kReaders) {
        Task task(reader);
        for (const Case& c : cases) {
            std::vector<uint8_t> copy(c.length);
            EXPECT_EQ(vtcrash_async_task_memcpy(&task.task, pages.base, int64_t(c.start), copy.data(), c.length),
                      c.expected)
                << c.situation << " reader " << reader;
            if (c.expected == VTCRASH_OK) {
                EXPECT_EQ(std::memcmp(copy.data(), reinterpret_cast<void*>(pages.base + c.start), c.length), 0);
            }
        }
        // A wrapping sum is refused before any kernel call.
        uint8_t byte = 0;
        EXPECT_EQ(vtcrash_async_task_memcpy(&task.task, UINT64_MAX, 1, &byte, 1), VTCRASH_ERR_NOMEM);
        EXPECT_EQ(vtcrash_async_task_memcpy(&task.task, 0, -1, &byte, 1), VTCRASH_ERR_NOMEM);
        EXPECT_EQ(vtcrash_async_task_memcpy(&task.task, UINT64_MAX - 4, 0, &byte, 8), VTCRASH_ERR_NOMEM);
    }
}

TEST(AsyncTaskMemory, WindowsRunningIntoAGuardPageAreShorter) {
    GuardedPages pages;
    const uint64_t page = pages.size;
    struct Case {
        const char* situation;
        uint64_t start;
        uint64_t length;
        bool require_full;
        vtcrash_error_t expected;
        uint64_t expected_length;
    };
    const Case cases[] = {
        {"the readable page", 0, page, true, VTCRASH_OK, page},
        {"cut at the guard", page - 100, 200, false, VTCRASH_OK, 100},
        {"the whole range required", page - 100, 200, true, VTCRASH_ERR_NOMEM, 0},
        {"starting in the guard", page + 16, 16, false, VTCRASH_ERR_NOMEM, 0},
        {"starting in the unmapped page", 2 * page, 16, false, VTCRASH_ERR_NOMEM, 0},
    };
    for (const vtcrash_async_task_reader_t reader : kReaders) {
        Task task(reader);
        for (const Case& c : cases) {
            vtcrash_async_mobject window;
            EXPECT_EQ(vtcrash_async_mobject_init(&window, &task.task, pages.base + c.start, c.length, c.require_full),
                      c.expected)
                << c.situation;
            if (c.expected != VTCRASH_OK) continue;
            EXPECT_EQ(vtcrash_async_mobject_length(&window), c.expected_length) << c.situation;
            // Reads stop at the window's end, not at a fault.
            const uint64_t last = pages.base + c.start + c.expected_length - 1;
            uint8_t byte = 0;
            uint32_t word = 0;
            EXPECT_EQ(vtcrash_async_mobject_read_uint8(&window, last, 0, &byte), VTCRASH_OK);
            EXPECT_EQ(byte, static_cast<uint8_t>((c.start + c.expected_length - 1) * 7));
            EXPECT_EQ(vtcrash_async_mobject_read_uint8(&window, last, 1, &byte), VTCRASH_ERR_INVAL);
            EXPECT_EQ(vtcrash_async_mobject_read_uint32(&window, vtcrash_async_byteorder_host(), last, -2, &word),
                      VTCRASH_ERR_INVAL);
            vtcrash_async_mobject_free(&window);
        }
    }
}

TEST(AsyncTaskMemory, ARefusedKernelCopyFallsBackToThePipeAtEnableAndReadsAsAccessDeniedLater) {
    GuardedPages pages;
    refusedWith = EPERM;
    vtcrash_async_task task;
    ASSERT_EQ(vtcrash_async_task_init(&task), VTCRASH_OK);
    EXPECT_EQ(task.reader, VTCRASH_TASK_READER_PIPE);
    uint8_t byte = 0;
    EXPECT_EQ(vtcrash_async_task_read_uint8(&task, pages.base, 3, &byte), VTCRASH_OK);
    EXPECT_EQ(byte, 21);
    vtcrash_async_task_free(&task);
    refusedWith = 0;

    ASSERT_EQ(vtcrash_async_task_init(&task), VTCRASH_OK);
    EXPECT_EQ(task.reader, VTCRASH_TASK_READER_VM);
    refusedWith = EPERM;
    EXPECT_EQ(vtcrash_async_task_read_uint8(&task, pages.base, 3, &byte), VTCRASH_ERR_ACCESS);
    refusedWith = 0;
    vtcrash_async_task_free(&task);
}

}  // namespace
