#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "model/task_handle.h"

namespace vlt {

class Scheduler;

// Ends running output tasks before the process goes. Killing a save mid-write would
// leave hidden temporary files behind, or a half-replaced video, so each task is asked
// to stop and the drain waits until every one has reported that it cleaned up. A task
// that never reports is given up on after the time limit, so quitting cannot hang.
class OutputTaskDrain {
public:
    static constexpr double kDefaultTimeLimitSeconds = 10.0;

    explicit OutputTaskDrain(Scheduler& scheduler, double timeLimitSeconds = kDefaultTimeLimitSeconds);

    // Cancels every unfinished task and calls `done` exactly once: at once when none is
    // running, otherwise when the last one finishes (true) or the limit passes (false).
    void drain(const std::vector<TaskHandlePtr>& tasks, std::function<void(bool allFinished)> done);

private:
    Scheduler& scheduler_;
    double timeLimitSeconds_;
};

}  // namespace vlt
