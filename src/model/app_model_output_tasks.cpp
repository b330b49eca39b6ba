#include <utility>

#include "model/app_model.h"
#include "model/output_task_drain.h"

namespace vlt {

std::vector<TaskHandlePtr> AppModel::runningOutputTasks() const {
    std::vector<TaskHandlePtr> tasks;
    auto collect = [&tasks](const TaskHandlePtr& task) {
        if (task && !task->isFinished()) tasks.push_back(task);
    };
    collect(stillImageSaveTask);
    collect(animationVideoSaveTask);
    collect(share_.shareImagePreparationTask);
    for (const auto& [key, deletion] : sharePayloadDeletions_) collect(deletion.task);
    return tasks;
}

void AppModel::finishOutputTasksBeforeTermination(std::function<void()> done) {
    cancelAllOperations();
    OutputTaskDrain drain(scheduler_);
    drain.drain(runningOutputTasks(), [done = std::move(done)](bool) { done(); });
}

}  // namespace vlt
