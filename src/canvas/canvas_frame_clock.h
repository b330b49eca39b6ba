#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QObject;

namespace vlt {

// The canvas's display loop: one tick per display refresh while running, on the GUI
// thread. Tick k is due at start + k periods on the monotonic clock, whatever
// happened to the ticks before it, so neither timer latency nor a busy GUI thread
// shifts the ones after. Threads of the clock's own sleep until each due time to the
// microsecond and post the tick; ticks that fall due while one is still waiting for
// the GUI thread are dropped instead of firing in a burst. The clock's threads and the
// GUI thread ask for short scheduling turns, so that a machine busy with other
// programs does not hold a tick back. Where the process may use two processors or
// more, two threads wait for each tick, each on its own half of them, and the first
// awake posts it: the kernel now and then leaves a woken thread waiting for its
// processor's next scheduler tick, milliseconds away, but seldom on both halves at
// once.
class CanvasFrameClock {
public:
    static constexpr double kDefaultFramesPerSecond = 60.0;
    static constexpr double kMinimumFramesPerSecond = 30.0;
    static constexpr double kMaximumFramesPerSecond = 240.0;

    // Made on the GUI thread; tick runs there on each due frame.
    explicit CanvasFrameClock(std::function<void()> tick);
    ~CanvasFrameClock();

    CanvasFrameClock(const CanvasFrameClock&) = delete;
    CanvasFrameClock& operator=(const CanvasFrameClock&) = delete;

    // The first tick comes one period after the start.
    void start();
    void stop();
    bool isRunning() const { return running_; }

    // The display's refresh rate; unusable rates give the default, others are kept
    // within the limits above. A running clock keeps its timeline's origin.
    void setFramesPerSecond(double framesPerSecond);
    double framesPerSecond() const;

private:
    using Clock = std::chrono::steady_clock;

    // What the GUI thread and the clock's thread share, under mutex.
    struct Timeline {
        std::mutex mutex;
        std::condition_variable changed;
        bool running = false;
        bool quitting = false;
        // Which start the timeline belongs to: a tick posted before a stop or a
        // restart is recognised as stale.
        std::uint64_t generation = 0;
        Clock::time_point origin;
        Clock::duration period;
        // Ticks since the origin that fell due; the next is due at origin + (due + 1) periods.
        std::int64_t due = 0;
        bool tickPosted = false;
    };

    void runTimeline(const std::vector<int>& processors);
    void fire(std::uint64_t generation);

    // Lives on the GUI thread; ticks reach it as posted calls.
    std::unique_ptr<QObject> receiver_;
    std::function<void()> tick_;
    std::shared_ptr<Timeline> timeline_;
    bool running_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace vlt
