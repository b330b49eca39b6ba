#include <gtest/gtest.h>

#include <csetjmp>
#include <csignal>
#include <sys/syscall.h>
#include <unistd.h>

#include "crash_capture/async/vtcrash_frame_cursor.h"

// Marker functions, each alone in a section named after it, so that the linker's
// __start_ and __stop_ symbols give its exact address range: the oracle for the walk.
#define VTCRASH_MARKER(section_name) __attribute__((noipa, section(#section_name)))

extern "C" {
extern const char __start_vtcrash_marker_outer[], __stop_vtcrash_marker_outer[];
extern const char __start_vtcrash_marker_middle[], __stop_vtcrash_marker_middle[];
extern const char __start_vtcrash_marker_last_call[], __stop_vtcrash_marker_last_call[];
extern const char __start_vtcrash_marker_signal[], __stop_vtcrash_marker_signal[];
}

namespace {

volatile int sink;
sigjmp_buf backToTest;

// The signal arrives as the system call returns; inlined, so that the interrupted pc is
// inside the marker itself.
inline __attribute__((always_inline)) void signalThisThread(long pid, long tid) {
#if defined(__x86_64__)
    long result = SYS_tgkill;
    asm volatile("syscall" : "+a"(result) : "D"(pid), "S"(tid), "d"(long{SIGUSR1}) : "rcx", "r11", "memory");
#elif defined(__aarch64__)
    register long number asm("x8") = SYS_tgkill;
    register long first asm("x0") = pid;
    register long second asm("x1") = tid;
    register long third asm("x2") = SIGUSR1;
    asm volatile("svc 0" : "+r"(first) : "r"(number), "r"(second), "r"(third) : "memory");
#endif
}

}  // namespace

VTCRASH_MARKER(vtcrash_marker_signal) [[noreturn]] void markerSignal(int depth) {
    sink = depth;
    const long pid = ::getpid();
    const long tid = ::syscall(SYS_gettid);
    // Inlined here, so that the signal interrupts this function.
    [&]() __attribute__((always_inline)) { signalThisThread(pid, tid); }
    ();
    __builtin_trap();
}

// Its last instruction is the call: the return address lies past its end.
VTCRASH_MARKER(vtcrash_marker_last_call) void markerLastCall(int depth) {
    sink = depth;
    markerSignal(depth + 1);
}

VTCRASH_MARKER(vtcrash_marker_middle) void markerMiddle(int depth) {
    markerLastCall(depth + 1);
    sink = depth;
}

VTCRASH_MARKER(vtcrash_marker_outer) void markerOuter(int depth) {
    markerMiddle(depth + 1);
    sink = depth;
}

namespace {

constexpr size_t kMaxFrames = 64;

vtcrash_async_task task;
vtcrash_async_image_list images;

struct Walk {
    uint64_t pcs[kMaxFrames];
    size_t count;
};
Walk fromContext, fromHandler;

// Crash-time code: walks from `state` with call frame information alone, the way the
// writer finds each frame's image and its unwind tables.
void walk(const vtcrash_async_thread_state& state, Walk* out) {
    const vtcrash_frame_reader_t dwarfOnly[] = {vtcrash_frame_reader_dwarf};
    vtcrash_frame_cursor cursor;
    vtcrash_frame_cursor_init(&cursor, &task, &state, &images);
    out->count = 0;
    while (out->count < kMaxFrames &&
           vtcrash_frame_cursor_next_with_readers(&cursor, dwarfOnly, 1) == VTCRASH_FRAME_OK) {
        vtcrash_frame_cursor_get_reg(&cursor, VTCRASH_REG_IP, &out->pcs[out->count++]);
    }
}

vtcrash_error_t walkFromHere(vtcrash_async_thread_state* state, void* out) {
    walk(*state, static_cast<Walk*>(out));
    return VTCRASH_OK;
}

void onSignal(int, siginfo_t*, void* context) {
    vtcrash_async_thread_state state;
    vtcrash_async_thread_state_ucontext_init(&state, static_cast<ucontext_t*>(context));
    walk(state, &fromContext);
    // From the handler itself the walk must pass through the signal trampoline.
    vtcrash_async_thread_state_current(walkFromHere, &fromHandler);
    siglongjmp(backToTest, 1);
}

// The marker holding each frame; from the first marker frame on when `from_first_marker`.
std::vector<std::string> markersOf(const Walk& walk, bool from_first_marker) {
    const struct {
        const char* name;
        const char* start;
        const char* stop;
    } markers[] = {
        {"signal", __start_vtcrash_marker_signal, __stop_vtcrash_marker_signal},
        {"last_call", __start_vtcrash_marker_last_call, __stop_vtcrash_marker_last_call},
        {"middle", __start_vtcrash_marker_middle, __stop_vtcrash_marker_middle},
        {"outer", __start_vtcrash_marker_outer, __stop_vtcrash_marker_outer},
    };
    std::vector<std::string> names;
    for (size_t i = 0; i < walk.count; ++i) {
        std::string name = "other";
        for (const auto& marker : markers) {
            // A return address may sit just past the end of a function that never returns.
            if (uint64_t(marker.start) < walk.pcs[i] && walk.pcs[i] <= uint64_t(marker.stop)) name = marker.name;
            if (i == 0 && walk.pcs[i] == uint64_t(marker.start)) name = marker.name;
        }
        if (name != "other" || !names.empty() || !from_first_marker) names.push_back(name);
    }
    return names;
}

TEST(AsyncDwarfUnwindInProcess, WalksFromARealSignalBackThroughTheMarkersInOrder) {
    ASSERT_EQ(vtcrash_async_task_init(&task), VTCRASH_OK);
    ASSERT_EQ(vtcrash_async_image_list_init(&images, &task), VTCRASH_OK);
    vtcrash_async_image_list_sync(&images);
    struct sigaction action = {}, previous = {};
    action.sa_sigaction = onSignal;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ASSERT_EQ(sigaction(SIGUSR1, &action, &previous), 0);

    if (sigsetjmp(backToTest, 1) == 0) markerOuter(0);
    sigaction(SIGUSR1, &previous, nullptr);
    vtcrash_async_image_list_free(&images);
    vtcrash_async_task_free(&task);

    const std::vector<std::string> expected = {"signal", "last_call", "middle", "outer"};
    // The first frame is the interrupted pc itself.
    const std::vector<std::string> context = markersOf(fromContext, false);
    ASSERT_GE(context.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(context.begin(), context.begin() + 4), expected);
    EXPECT_GT(fromContext.count, expected.size() + 1) << "the walk goes on into the test body";

    const std::vector<std::string> handler = markersOf(fromHandler, true);
    ASSERT_GE(handler.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(handler.begin(), handler.begin() + 4), expected);
}

}  // namespace
