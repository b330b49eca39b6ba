#pragma once

#include <functional>
#include <memory>
#include <stop_token>

#include "model/task_handle.h"
#include "base/scheduler.h"

namespace vlt {

// One removal of a shared file's folder, at once or after a delay. A cancel during
// the delay ends it without touching the file (the sweep of a later launch takes it).
struct SharePayloadDeletion {
    TaskHandlePtr task;
    ScheduledWork delay;
    std::shared_ptr<std::stop_callback<std::function<void()>>> cancelWatch;
};

}  // namespace vlt
