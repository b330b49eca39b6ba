#pragma once

#include <functional>

#include "base/scheduler.h"

namespace vlt {

// Runs an action once a burst of triggers has been quiet for the delay: each trigger
// restarts the wait, so many quick changes cost one run.
class DebouncedAction {
public:
    DebouncedAction(Scheduler& scheduler, double delaySeconds, std::function<void()> action);
    ~DebouncedAction();
    DebouncedAction(const DebouncedAction&) = delete;
    DebouncedAction& operator=(const DebouncedAction&) = delete;

    void trigger();
    void cancel();
    bool isPending() const { return pending_.isScheduled(); }

private:
    Scheduler& scheduler_;
    double delaySeconds_;
    std::function<void()> action_;
    ScheduledWork pending_;
};

}  // namespace vlt
