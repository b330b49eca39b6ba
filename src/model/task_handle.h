#pragma once

#include <functional>
#include <memory>
#include <stop_token>
#include <vector>

namespace vlt {

// The handle of one cancellable piece of work that the model owns. The work polls the
// stop token from any thread; it reports its end, cleanup included, on the GUI thread,
// so whoever must not cut it off mid-write can wait for it.
class TaskHandle {
public:
    static std::shared_ptr<TaskHandle> create();

    // Asks the work to stop; safe from any thread and more than once.
    void cancel();
    bool isCancelled() const;
    std::stop_token stopToken() const;

    // GUI thread only: the work has ended and cleaned up. Later calls do nothing.
    void finish();
    bool isFinished() const { return finished_; }
    // Runs the callback once the work has finished: at once when it already has.
    void whenFinished(std::function<void()> callback);

private:
    TaskHandle() = default;

    std::stop_source stopSource_;
    bool finished_ = false;
    std::vector<std::function<void()>> finishCallbacks_;
};

using TaskHandlePtr = std::shared_ptr<TaskHandle>;

}  // namespace vlt
