#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

#include "crash_capture/async/vtcrash_async_macho_string.h"

namespace {

// Three readable pages and a fourth that cannot be read.
struct Pages {
    Pages() {
        bytes =
            static_cast<char*>(::mmap(nullptr, 4 * size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        ::mprotect(bytes + 3 * size, size, PROT_NONE);
    }
    ~Pages() { ::munmap(bytes, 4 * size); }
    uint64_t address(uint64_t offset) const { return reinterpret_cast<uint64_t>(bytes) + offset; }
    uint64_t size = static_cast<uint64_t>(::sysconf(_SC_PAGESIZE));
    char* bytes = nullptr;
};

struct Read {
    vtcrash_error_t result;
    std::string text;
};

Read readString(const vtcrash_async_task& task, uint64_t address) {
    vtcrash_async_macho image{};
    image.task = &task;
    vtcrash_async_macho_string string;
    vtcrash_async_macho_string_init(&string, &image, address);
    const char* pointer = nullptr;
    Read read{vtcrash_async_macho_string_get_pointer(&string, &pointer), ""};
    if (read.result == VTCRASH_OK) {
        uint64_t length = 0;
        EXPECT_EQ(vtcrash_async_macho_string_get_length(&string, &length), VTCRASH_OK);
        read.text = pointer;
        EXPECT_EQ(length, read.text.size());
        EXPECT_EQ(reinterpret_cast<uint64_t>(pointer), address);
    }
    vtcrash_async_macho_string_free(&string);
    return read;
}

TEST(VTCrashMachOString, GrowsPageByPageUntilTheNul) {
    vtcrash_async_task task;
    ASSERT_EQ(vtcrash_async_task_init(&task), VTCRASH_OK);
    Pages pages;
    const uint64_t page = pages.size;
    const std::string across = "-[Widget drawInRect:]";
    const std::string longer(page + 100, 'x');
    std::memcpy(pages.bytes + page - 5, across.c_str(), across.size() + 1);
    std::memcpy(pages.bytes + page + 64, longer.c_str(), longer.size() + 1);
    pages.bytes[2 * page + 512] = '\0';
    // The last readable bytes hold no NUL.
    std::memset(pages.bytes + 3 * page - 32, 'y', 32);

    struct Case {
        const char* situation;
        uint64_t offset;
        vtcrash_error_t result;
        std::string text;
    };
    const Case cases[] = {
        {"across a page boundary", page - 5, VTCRASH_OK, across},
        {"longer than a page", page + 64, VTCRASH_OK, longer},
        {"empty", 2 * page + 512, VTCRASH_OK, ""},
        {"running into memory that cannot be read", 3 * page - 32, VTCRASH_ERR_NOMEM, ""},
        {"starting in memory that cannot be read", 3 * page + 4, VTCRASH_ERR_NOMEM, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        const Read read = readString(task, pages.address(c.offset));
        EXPECT_EQ(read.result, c.result);
        EXPECT_EQ(read.text, c.text);
    }
    vtcrash_async_task_free(&task);
}

}  // namespace
