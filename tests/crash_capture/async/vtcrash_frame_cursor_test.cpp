#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <unistd.h>
#include <vector>

#include "crash_capture/async/vtcrash_frame_cursor.h"

namespace {

#if defined(__x86_64__)
constexpr uint32_t kMachine = VTCRASH_CPU_X86_64;
#else
constexpr uint32_t kMachine = VTCRASH_CPU_ARM64;
#endif

// Frame records on a stack of our own: record i holds the frame pointer of record
// links[i] (-1 for 0) and the return address returns[i].
struct FakeStack {
    uint64_t words[16] = {};
    uint64_t record(int index) const { return index < 0 ? 0 : uint64_t(&words[2 * index]); }
};

// Walks with the frame-pointer reader alone and gives the instruction pointers met
// and the step's final error.
std::pair<std::vector<uint64_t>, vtcrash_frame_error_t> walk(uint64_t ip, uint64_t fp) {
    vtcrash_async_task task;
    vtcrash_async_task_init(&task);
    vtcrash_async_thread_state state;
    vtcrash_async_thread_state_init(&state, kMachine);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_IP, ip);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_FP, fp);
    vtcrash_frame_cursor cursor;
    vtcrash_frame_cursor_init(&cursor, &task, &state, nullptr);
    const vtcrash_frame_reader_t readers[] = {vtcrash_frame_reader_frame_pointer};
    std::vector<uint64_t> ips;
    vtcrash_frame_error_t result = VTCRASH_FRAME_OK;
    while ((result = vtcrash_frame_cursor_next_with_readers(&cursor, readers, 1)) == VTCRASH_FRAME_OK) {
        uint64_t value = 0;
        vtcrash_frame_cursor_get_reg(&cursor, VTCRASH_REG_IP, &value);
        ips.push_back(value);
    }
    return {ips, result};
}

TEST(VTCrashFrameCursor, FramePointerChainsAndTheirEnds) {
    const uint64_t page = uint64_t(getpagesize());
    struct Case {
        const char* situation;
        std::vector<int> links;
        std::vector<uint64_t> returns;
        std::vector<uint64_t> ips;
        vtcrash_frame_error_t end;
    };
    const std::vector<Case> cases = {
        {"a zero frame pointer ends the chain",
         {1, 2, -1},
         {0x5001, 0x5002, 0x5003},
         {0x5000, 0x5001, 0x5002, 0x5003},
         VTCRASH_FRAME_ENOFRAME},
        {"a return address in the first page ends it",
         {1, 2},
         {0x5001, page},
         {0x5000, 0x5001},
         VTCRASH_FRAME_ENOFRAME},
        {"one byte above the first page goes on",
         {1, -1},
         {page + 1, 0x5002},
         {0x5000, page + 1, 0x5002},
         VTCRASH_FRAME_ENOFRAME},
        {"a chain that goes down is corrupt",
         {2, -1, 1},
         {0x5001, 0x5002, 0x5003},
         {0x5000, 0x5001, 0x5003},
         VTCRASH_FRAME_EBADFRAME},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        FakeStack stack;
        for (size_t index = 0; index < c.links.size(); ++index) {
            stack.words[2 * index] = stack.record(c.links[index]);
            stack.words[2 * index + 1] = c.returns[index];
        }
        const auto [ips, end] = walk(0x5000, stack.record(0));
        EXPECT_EQ(ips, c.ips);
        EXPECT_EQ(end, c.end);
    }
    EXPECT_EQ(walk(0x5000, 8).second, VTCRASH_FRAME_EBADFRAME) << "a record that cannot be read";
}

// The first step yields the initial state without asking any reader; a later one needs
// readers. Every error has a text, and a number past them still gets one.
TEST(VTCrashFrameCursor, TheFirstStepNeedsNoReaderAndAnUnknownErrorStillHasAText) {
    vtcrash_async_thread_state state;
    vtcrash_async_thread_state_init(&state, kMachine);
    vtcrash_async_thread_state_set_reg(&state, VTCRASH_REG_IP, 0x1234);
    vtcrash_frame_cursor cursor;
    vtcrash_frame_cursor_init(&cursor, nullptr, &state, nullptr);
    EXPECT_EQ(vtcrash_frame_cursor_next_with_readers(&cursor, nullptr, 0), VTCRASH_FRAME_OK);
    uint64_t ip = 0, sp = 0;
    EXPECT_EQ(vtcrash_frame_cursor_get_reg(&cursor, VTCRASH_REG_IP, &ip), VTCRASH_FRAME_OK);
    EXPECT_EQ(ip, 0x1234u);
    EXPECT_EQ(vtcrash_frame_cursor_get_reg(&cursor, VTCRASH_REG_SP, &sp), VTCRASH_FRAME_ENOTSUP);
    EXPECT_EQ(vtcrash_frame_cursor_next_with_readers(&cursor, nullptr, 0), VTCRASH_FRAME_EINVAL);

    EXPECT_STREQ(vtcrash_frame_strerror(VTCRASH_FRAME_EBADREG), "Invalid register");
    EXPECT_STREQ(vtcrash_frame_strerror(vtcrash_frame_error_t(8)), "Unhandled error code");
}

}  // namespace
