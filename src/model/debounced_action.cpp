#include "model/debounced_action.h"

#include <utility>

namespace vlt {

DebouncedAction::DebouncedAction(Scheduler& scheduler, double delaySeconds, std::function<void()> action)
    : scheduler_(scheduler), delaySeconds_(delaySeconds), action_(std::move(action)) {}

DebouncedAction::~DebouncedAction() { pending_.cancel(); }

void DebouncedAction::trigger() {
    pending_.cancel();
    pending_ = scheduler_.schedule(delaySeconds_, [this] {
        pending_ = ScheduledWork();
        action_();
    });
}

void DebouncedAction::cancel() { pending_.cancel(); }

}  // namespace vlt
