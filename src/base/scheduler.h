#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include <QPointer>

class QObject;

namespace vlt {

// A handle on work scheduled for later on the GUI thread. Cancelling a handle whose
// work already ran, or cancelling twice, does nothing. Dropping the handle does not
// cancel the work.
class ScheduledWork {
public:
    ScheduledWork() = default;
    explicit ScheduledWork(std::shared_ptr<bool> cancelled) : cancelled_(std::move(cancelled)) {}

    void cancel() {
        if (cancelled_) *cancelled_ = true;
        cancelled_.reset();
    }
    bool isScheduled() const { return cancelled_ != nullptr && !*cancelled_; }

private:
    std::shared_ptr<bool> cancelled_;
};

// Runs work on the GUI thread after a delay. Debounces, message timers and dialog
// pauses go through it, so tests can run them without sleeping.
class Scheduler {
public:
    virtual ~Scheduler() = default;
    // The delay runs on the monotonic clock: time spent suspended does not count.
    virtual ScheduledWork schedule(double delaySeconds, std::function<void()> work) = 0;
    // The delay runs on a clock that keeps counting while the computer sleeps, for waits
    // that promise something about the time of day (a shared file gone half an hour
    // later); work whose time passed during a sleep runs on waking.
    virtual ScheduledWork scheduleCountingSleep(double delaySeconds, std::function<void()> work) = 0;
    // Runs the work on a later turn of the event loop.
    ScheduledWork post(std::function<void()> work) { return schedule(0.0, std::move(work)); }
};

// The real scheduler: single-shot Qt timers on the GUI thread.
class QtScheduler final : public Scheduler {
public:
    // Work is dropped when the context object is destroyed before it runs.
    explicit QtScheduler(QObject* context = nullptr);
    ScheduledWork schedule(double delaySeconds, std::function<void()> work) override;
    // On the boot-time clock; on a system without it, as schedule() does.
    ScheduledWork scheduleCountingSleep(double delaySeconds, std::function<void()> work) override;
    static QtScheduler& shared();

private:
    QPointer<QObject> context_;
    bool hasContext_;
};

class ManualClock;

// A scheduler for tests: nothing runs until the test advances time or drains the
// queue; due work runs in order of due time, then of scheduling.
class ManualScheduler final : public Scheduler {
public:
    explicit ManualScheduler(ManualClock* clock = nullptr) : clock_(clock) {}

    ScheduledWork schedule(double delaySeconds, std::function<void()> work) override;
    ScheduledWork scheduleCountingSleep(double delaySeconds, std::function<void()> work) override;

    // Moves time forward, running everything that falls due on the way.
    void advance(double seconds);
    // The computer sleeps for `seconds`: the clock and ordinary delays stand still, work
    // that counts sleep comes that much closer, and what fell due runs on waking.
    void sleep(double seconds);
    // Runs everything due now (work posted with no delay included).
    void runDue() { advance(0.0); }
    std::size_t pendingCount() const;
    double now() const { return now_; }

private:
    struct Entry {
        std::function<void()> work;
        std::shared_ptr<bool> cancelled;
        bool countsSleep = false;
    };
    ScheduledWork enqueue(double delaySeconds, std::function<void()> work, bool countsSleep);
    ManualClock* clock_;
    double now_ = 0.0;
    std::uint64_t nextSequence_ = 0;
    std::multimap<std::pair<double, std::uint64_t>, Entry> queue_;
};

}  // namespace vlt
