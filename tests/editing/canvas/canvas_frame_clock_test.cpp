#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <QCoreApplication>
#include <QObject>

#include "editing/canvas/canvas_frame_clock.h"

namespace vlt {
namespace {

// Lets the event loop run for a while (not a timing check: generous bounds only).
void processEventsFor(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool processEventsUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

TEST(CanvasFrameClockTest, TicksWhileRunningAndNeverAfterStopEvenFromATick) {
    QObject owner;
    int ticks = 0;
    std::unique_ptr<CanvasFrameClock> clock;
    clock = std::make_unique<CanvasFrameClock>(&owner, [&] {
        if (++ticks == 3) clock->stop();
    });
    EXPECT_FALSE(clock->isRunning());
    clock->start();
    EXPECT_TRUE(clock->isRunning());
    ASSERT_TRUE(processEventsUntil([&] { return ticks == 3; }));
    processEventsFor(std::chrono::milliseconds(60));
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(clock->isRunning());

    clock->start();
    ASSERT_TRUE(processEventsUntil([&] { return ticks >= 5; }));
    clock->stop();
    const int stoppedAt = ticks;
    processEventsFor(std::chrono::milliseconds(60));
    EXPECT_EQ(ticks, stoppedAt);
}

TEST(CanvasFrameClockTest, FramesMissedWhileTheGuiThreadWasBusyAreDroppedNotBurst) {
    QObject owner;
    int ticks = 0;
    CanvasFrameClock clock(&owner, [&] { ++ticks; });
    clock.setFramesPerSecond(120.0);
    clock.start();
    // About twenty frames pass without the event loop.
    std::this_thread::sleep_for(std::chrono::milliseconds(170));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_LE(ticks, 2);
    clock.stop();
}

TEST(CanvasFrameClockTest, TakesTheDisplayRateWithinItsLimits) {
    QObject owner;
    CanvasFrameClock clock(&owner, [] {});
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

}  // namespace
}  // namespace vlt
