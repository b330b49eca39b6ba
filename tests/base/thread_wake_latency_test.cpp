#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "base/thread_wake_latency.h"

namespace vlt {
namespace {

using std::chrono::microseconds;

// Runs the body on a thread of its own, so that this test leaves the runner's thread
// as it was.
template <typename Body>
void onFreshThread(Body body) {
    std::thread thread(body);
    thread.join();
}

TEST(ThreadWakeLatencyTest, ShortensOnlyTheCallingThreadsSliceAndKeepsItsNiceValue) {
    onFreshThread([] {
        const int tid = static_cast<int>(syscall(SYS_gettid));
        ASSERT_EQ(setpriority(PRIO_PROCESS, static_cast<id_t>(tid), 5), 0);
        const microseconds before = ThreadWakeLatency::currentSlice();
        microseconds otherThreadSlice{0};

        const bool shortened = ThreadWakeLatency::shortenForCurrentThread();
        onFreshThread([&] { otherThreadSlice = ThreadWakeLatency::currentSlice(); });

        // A thread may make itself nicer without a privilege, never less nice: the
        // call kept the value rather than resetting it to 0.
        EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(tid)), 5);
        if (!shortened) {
            // A kernel without per-thread slices: nothing changed.
            EXPECT_EQ(ThreadWakeLatency::currentSlice(), before);
            GTEST_SKIP() << "the kernel has no per-thread scheduling slice";
        }
        EXPECT_EQ(ThreadWakeLatency::currentSlice(), ThreadWakeLatency::kShortSlice);
        EXPECT_NE(otherThreadSlice, ThreadWakeLatency::kShortSlice);

        EXPECT_TRUE(ThreadWakeLatency::shortenForCurrentThread(microseconds(500)));
        EXPECT_EQ(ThreadWakeLatency::currentSlice(), microseconds(500));
    });
}

}  // namespace
}  // namespace vlt
