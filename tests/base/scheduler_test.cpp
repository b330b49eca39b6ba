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

// A sleep moves neither the clock nor ordinary delays; work that counts sleep falls due
// that much sooner, and what fell due while asleep runs on waking, in its order.
TEST(ManualSchedulerTest, ASleepBringsOnlyTheWorkThatCountsSleepCloser) {
    ManualClock clock(10.0);
    ManualScheduler scheduler(&clock);
    std::vector<std::string> ran;
    scheduler.schedule(60.0, [&] { ran.push_back("awake minute"); });
    scheduler.scheduleCountingSleep(60.0, [&] { ran.push_back("minute"); });
    scheduler.scheduleCountingSleep(30.0, [&] { ran.push_back("half minute"); });
    ScheduledWork cancelled = scheduler.scheduleCountingSleep(10.0, [&] { ran.push_back("cancelled"); });
    cancelled.cancel();

    scheduler.sleep(45.0);
    EXPECT_EQ(ran, std::vector<std::string>{"half minute"});
    EXPECT_DOUBLE_EQ(clock.uptimeSeconds(), 10.0);
    scheduler.advance(15.0);
    EXPECT_EQ(ran, (std::vector<std::string>{"half minute", "minute"}));
    scheduler.advance(44.0);
    EXPECT_EQ(ran.size(), 2u);
    scheduler.advance(1.0);
    EXPECT_EQ(ran.back(), "awake minute");
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

// The real boot-time timer: it fires from the event loop, not inline, and not once
// cancelled.
TEST(QtSchedulerTest, WorkCountingSleepRunsFromTheEventLoopAndHonoursCancel) {
    QtScheduler scheduler;
    bool ran = false;
    bool cancelledRan = false;
    ScheduledWork cancelled = scheduler.scheduleCountingSleep(0.01, [&] { cancelledRan = true; });
    ScheduledWork work = scheduler.scheduleCountingSleep(0.02, [&] { ran = true; });
    cancelled.cancel();
    EXPECT_FALSE(ran);
    EXPECT_TRUE(work.isScheduled());

    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (ran) loop.quit();
    });
    poll.start(5);
    loop.exec();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(cancelledRan);
    EXPECT_FALSE(work.isScheduled());
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
