#include "base/scheduler.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cmath>

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

QtScheduler& QtScheduler::shared() {
    static QtScheduler scheduler;
    return scheduler;
}

ScheduledWork ManualScheduler::schedule(double delaySeconds, std::function<void()> work) {
    auto cancelled = std::make_shared<bool>(false);
    const double due = now_ + std::max(0.0, delaySeconds);
    queue_.emplace(std::make_pair(due, nextSequence_++), Entry{std::move(work), cancelled});
    return ScheduledWork(cancelled);
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
