#include "model/output_task_drain.h"

#include <utility>

#include "base/scheduler.h"

namespace vlt {

namespace {

struct DrainState {
    std::size_t remaining = 0;
    bool reported = false;
    ScheduledWork timeLimit;
    std::function<void(bool)> done;

    void report(bool allFinished) {
        if (reported) return;
        reported = true;
        timeLimit.cancel();
        auto callback = std::move(done);
        callback(allFinished);
    }
};

}  // namespace

OutputTaskDrain::OutputTaskDrain(Scheduler& scheduler, double timeLimitSeconds)
    : scheduler_(scheduler), timeLimitSeconds_(timeLimitSeconds) {}

void OutputTaskDrain::drain(const std::vector<TaskHandlePtr>& tasks, std::function<void(bool)> done) {
    std::vector<TaskHandlePtr> running;
    for (const auto& task : tasks) {
        if (task && !task->isFinished()) running.push_back(task);
    }
    if (running.empty()) {
        done(true);
        return;
    }

    auto state = std::make_shared<DrainState>();
    state->remaining = running.size();
    state->done = std::move(done);
    state->timeLimit = scheduler_.schedule(timeLimitSeconds_, [state] { state->report(false); });
    for (const auto& task : running) {
        task->cancel();
        task->whenFinished([state] {
            if (--state->remaining == 0) state->report(true);
        });
    }
}

}  // namespace vlt
