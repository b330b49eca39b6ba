#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace vlt {

// One thread of its own that runs posted jobs one at a time, in the order
// posted: for work that keeps state from job to job (an encoder) and must not run on
// the GUI thread. Destroying the worker drops what has not started and waits for the
// job that runs; it must not be destroyed from its own thread.
class SerialWorker {
public:
    enum class Priority {
        normal,
        // Long computations (an encoder): the thread, and every thread it starts,
        // gives way whenever an interactive thread wakes up, so the GUI stays
        // responsive; its share of the processor is unchanged.
        batch,
    };

    explicit SerialWorker(Priority priority = Priority::normal);
    ~SerialWorker();
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    // Any thread.
    void post(std::function<void()> work);

private:
    void run(Priority priority);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace vlt
