#include "base/serial_worker.h"

#include <utility>

#include <pthread.h>
#include <sched.h>

namespace vlt {

SerialWorker::SerialWorker(Priority priority) : thread_([this, priority] { run(priority); }) {}

SerialWorker::~SerialWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_one();
    thread_.join();
}

void SerialWorker::post(std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        queue_.push_back(std::move(work));
    }
    wake_.notify_one();
}

void SerialWorker::run(Priority priority) {
    if (priority == Priority::batch) {
        // Where the policy is not available the thread simply stays as it is.
        const sched_param parameters{};
        pthread_setschedparam(pthread_self(), SCHED_BATCH, &parameters);
    }
    while (true) {
        std::function<void()> work;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) return;
            work = std::move(queue_.front());
            queue_.pop_front();
        }
        work();
    }
}

}  // namespace vlt
