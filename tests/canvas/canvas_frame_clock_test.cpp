#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <QCoreApplication>
#include <QTest>

#include "base/thread_wake_latency.h"
#include "canvas/canvas_frame_clock.h"

namespace vlt {
namespace {

// The waits only let the event loop run: generous bounds, no timing checks.
constexpr int kPatienceMilliseconds = 10000;

TEST(CanvasFrameClockTest, TicksWhileRunningAndNeverAfterStopEvenFromATick) {
    int ticks = 0;
    std::unique_ptr<CanvasFrameClock> clock;
    clock = std::make_unique<CanvasFrameClock>([&] {
        if (++ticks == 3) clock->stop();
    });
    EXPECT_FALSE(clock->isRunning());
    clock->start();
    EXPECT_TRUE(clock->isRunning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 3; }, kPatienceMilliseconds));
    QTest::qWait(60);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(clock->isRunning());

    clock->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 5; }, kPatienceMilliseconds));
    clock->stop();
    const int stoppedAt = ticks;
    QTest::qWait(60);
    EXPECT_EQ(ticks, stoppedAt);
}

TEST(CanvasFrameClockTest, FramesMissedWhileTheGuiThreadWasBusyAreDroppedNotBurst) {
    int ticks = 0;
    CanvasFrameClock clock([&] { ++ticks; });
    clock.setFramesPerSecond(120.0);
    clock.start();
    // About twenty frames pass without the event loop.
    std::this_thread::sleep_for(std::chrono::milliseconds(170));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_LE(ticks, 2);
    clock.stop();
}

TEST(CanvasFrameClockTest, EachDueFrameTicksOnceThoughSeveralThreadsWaitForIt) {
    int ticks = 0;
    CanvasFrameClock clock([&] { ++ticks; });
    clock.setFramesPerSecond(CanvasFrameClock::kMaximumFramesPerSecond);
    const auto started = std::chrono::steady_clock::now();
    clock.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 40; }, kPatienceMilliseconds));
    clock.stop();
    const double periods = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count() *
                           CanvasFrameClock::kMaximumFramesPerSecond;
    // At most one tick per period that fell due, however late any of them ran.
    EXPECT_LE(ticks, static_cast<int>(periods) + 1);
}

TEST(CanvasFrameClockTest, TakesTheDisplayRateWithinItsLimits) {
    CanvasFrameClock clock([] {});
    EXPECT_NEAR(clock.framesPerSecond(), CanvasFrameClock::kDefaultFramesPerSecond, 1e-3);
    const std::pair<double, double> rates[] = {{144.0, 144.0},
                                               {1000.0, CanvasFrameClock::kMaximumFramesPerSecond},
                                               {5.0, CanvasFrameClock::kMinimumFramesPerSecond},
                                               {0.0, CanvasFrameClock::kDefaultFramesPerSecond}};
    for (const auto& [requested, taken] : rates) {
        clock.setFramesPerSecond(requested);
        EXPECT_NEAR(clock.framesPerSecond(), taken, 1e-3) << requested;
    }
}

TEST(CanvasFrameClockTest, TheGuiThreadAsksForShortTurnsWhereTheKernelHasThem) {
    bool supported = false;
    std::thread probe([&] { supported = ThreadWakeLatency::shortenForCurrentThread(); });
    probe.join();
    if (!supported) GTEST_SKIP() << "the kernel has no per-thread scheduling slice";
    CanvasFrameClock clock([] {});
    EXPECT_EQ(ThreadWakeLatency::currentSlice(), ThreadWakeLatency::kShortSlice);
}

}  // namespace
}  // namespace vlt
