#include "base/scheduler.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/boot_time_timer.h"
#include "base/clock.h"

namespace vlt {

QtScheduler::QtScheduler(QObject* context) : context_(context), hasContext_(context != nullptr) {}

ScheduledWork QtScheduler::schedule(double delaySeconds, std::function<void()> work) {
    auto cancelled = std::make_shared<bool>(false);
    const int delayMs = static_cast<int>(std::lround(std::max(0.0, delaySeconds) * 1000.0));
    QObject* context = hasContext_ ? context_.data() : QCoreApplication::instance();
    if (context == nullptr) return ScheduledWork(cancelled);
    QTimer::singleShot(delayMs, context, [cancelled, work = std::move(work)] {
        if (*cancelled) return;
        *cancelled = true;  // ran: later cancels are no-ops and isScheduled() reads false
        work();
    });
    return ScheduledWork(cancelled);
}

ScheduledWork QtScheduler::scheduleCountingSleep(double delaySeconds, std::function<void()> work) {
    auto cancelled = std::make_shared<bool>(false);
    QObject* context = hasContext_ ? context_.data() : QCoreApplication::instance();
    if (context == nullptr) return ScheduledWork(cancelled);
    auto timer = std::make_shared<QPointer<BootTimeTimer>>();
    auto fired = [cancelled, timer, work] {
        if (*timer) (*timer)->deleteLater();
        if (*cancelled) return;
        *cancelled = true;
        work();
    };
    std::unique_ptr<BootTimeTimer> started = BootTimeTimer::start(delaySeconds, std::move(fired), context);
    if (!started) return schedule(delaySeconds, std::move(work));
    // The context owns the timer from here: it goes with the context, or once it fired.
    *timer = started.release();
    return ScheduledWork(cancelled);
}

QtScheduler& QtScheduler::shared() {
    static QtScheduler scheduler;
    return scheduler;
}

ScheduledWork ManualScheduler::schedule(double delaySeconds, std::function<void()> work) {
    return enqueue(delaySeconds, std::move(work), false);
}

ScheduledWork ManualScheduler::scheduleCountingSleep(double delaySeconds, std::function<void()> work) {
    return enqueue(delaySeconds, std::move(work), true);
}

ScheduledWork ManualScheduler::enqueue(double delaySeconds, std::function<void()> work, bool countsSleep) {
    auto cancelled = std::make_shared<bool>(false);
    const double due = now_ + std::max(0.0, delaySeconds);
    queue_.emplace(std::make_pair(due, nextSequence_++), Entry{std::move(work), cancelled, countsSleep});
    return ScheduledWork(cancelled);
}

void ManualScheduler::sleep(double seconds) {
    // Due times are kept in waking time: a sleep brings sleep-counting work closer.
    const double slept = std::max(0.0, seconds);
    std::vector<decltype(queue_)::node_type> closer;
    for (auto entry = queue_.begin(); entry != queue_.end();) {
        if (entry->second.countsSleep) {
            closer.push_back(queue_.extract(entry++));
        } else {
            ++entry;
        }
    }
    for (auto& node : closer) {
        node.key().first = std::max(node.key().first - slept, now_);
        queue_.insert(std::move(node));
    }
    runDue();
}

void ManualScheduler::advance(double seconds) {
    const double target = now_ + std::max(0.0, seconds);
    while (!queue_.empty() && queue_.begin()->first.first <= target) {
        auto node = queue_.extract(queue_.begin());
        const double due = node.key().first;
        if (due > now_) {
            if (clock_ != nullptr) clock_->advance(due - now_);
            now_ = due;
        }
        Entry entry = std::move(node.mapped());
        if (*entry.cancelled) continue;
        *entry.cancelled = true;
        entry.work();
    }
    if (clock_ != nullptr) clock_->advance(target - now_);
    now_ = target;
}

std::size_t ManualScheduler::pendingCount() const {
    return static_cast<std::size_t>(
        std::count_if(queue_.begin(), queue_.end(), [](const auto& item) { return !*item.second.cancelled; }));
}

}  // namespace vlt
