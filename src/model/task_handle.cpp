#include "model/task_handle.h"

#include <utility>

namespace vlt {

std::shared_ptr<TaskHandle> TaskHandle::create() { return std::shared_ptr<TaskHandle>(new TaskHandle()); }

void TaskHandle::cancel() { stopSource_.request_stop(); }

bool TaskHandle::isCancelled() const { return stopSource_.stop_requested(); }

std::stop_token TaskHandle::stopToken() const { return stopSource_.get_token(); }

void TaskHandle::finish() {
    if (finished_) return;
    finished_ = true;
    // A callback may register another one or drop the last owner of this handle.
    auto callbacks = std::exchange(finishCallbacks_, {});
    for (auto& callback : callbacks) callback();
}

void TaskHandle::whenFinished(std::function<void()> callback) {
    if (finished_) {
        callback();
        return;
    }
    finishCallbacks_.push_back(std::move(callback));
}

}  // namespace vlt
