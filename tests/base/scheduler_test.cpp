#include "base/scheduler.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

#include "base/clock.h"
#include "base/main_thread.h"

namespace vlt {
namespace {

TEST(ManualSchedulerTest, RunsDueWorkInOrderAndMovesTheClock) {
    ManualClock clock(10.0);
    ManualScheduler scheduler(&clock);
    std::vector<std::string> ran;
    std::vector<double> seenAt;
    scheduler.schedule(0.5, [&] {
        ran.push_back("half");
        seenAt.push_back(clock.uptimeSeconds());
    });
    scheduler.schedule(0.1, [&] {
        ran.push_back("tenth");
        seenAt.push_back(clock.uptimeSeconds());
    });
    scheduler.post([&] { ran.push_back("posted"); });
    scheduler.schedule(0.1, [&] { ran.push_back("tenth-second"); });

    scheduler.advance(0.2);
    EXPECT_EQ(ran, (std::vector<std::string>{"posted", "tenth", "tenth-second"}));
    EXPECT_DOUBLE_EQ(seenAt.at(0), 10.1);
    EXPECT_EQ(scheduler.pendingCount(), 1u);

    scheduler.advance(1.0);
    EXPECT_EQ(ran.back(), "half");
    EXPECT_DOUBLE_EQ(seenAt.at(1), 10.5);
    EXPECT_DOUBLE_EQ(clock.uptimeSeconds(), 11.2);
}

TEST(ManualSchedulerTest, CancelledWorkNeverRunsAndRestartingIsCancelPlusSchedule) {
    ManualScheduler scheduler;
    int runs = 0;
    ScheduledWork debounce = scheduler.schedule(0.5, [&] { ++runs; });
    scheduler.advance(0.4);
    debounce.cancel();
    debounce = scheduler.schedule(0.5, [&] { ++runs; });
    scheduler.advance(0.4);
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(debounce.isScheduled());
    scheduler.advance(0.1);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(debounce.isScheduled());
    debounce.cancel();  // after it ran: harmless
}

TEST(ManualSchedulerTest, WorkScheduledByWorkRunsWhenItFallsDue) {
    ManualScheduler scheduler;
    std::vector<int> ran;
    scheduler.schedule(0.1, [&] {
        ran.push_back(1);
        scheduler.schedule(0.1, [&] { ran.push_back(2); });
    });
    scheduler.advance(0.15);
    EXPECT_EQ(ran, std::vector<int>{1});
    scheduler.advance(0.05);
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST(QtSchedulerTest, RunsOnTheEventLoopAndHonoursCancel) {
    QtScheduler scheduler;
    bool ran = false;
    bool cancelledRan = false;
    ScheduledWork cancelled = scheduler.schedule(0.0, [&] { cancelledRan = true; });
    scheduler.post([&] { ran = true; });
    cancelled.cancel();
    EXPECT_FALSE(ran);  // never inline

    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(cancelledRan);
}

TEST(MainThreadTest, WorkPostedFromAWorkerRunsOnTheMainThread) {
    bool ranOnMain = false;
    QEventLoop loop;
    std::thread worker([&] {
        EXPECT_FALSE(isMainThread());
        postToMainThread([&] {
            ranOnMain = isMainThread();
            loop.quit();
        });
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    worker.join();
    EXPECT_TRUE(ranOnMain);
}

}  // namespace
}  // namespace vlt
