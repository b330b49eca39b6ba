#pragma once

#include <chrono>
#include <functional>

class QObject;
class QTimer;

namespace vlt {

// The canvas's display loop: one tick per display refresh while running, on the GUI
// thread. Each tick is due one period after the previous tick was due, on the
// monotonic clock, so timer latency never adds up into a slower rate; ticks missed
// while the GUI thread was busy are dropped instead of firing in a burst.
class CanvasFrameClock {
public:
    static constexpr double kDefaultFramesPerSecond = 60.0;
    static constexpr double kMinimumFramesPerSecond = 30.0;
    static constexpr double kMaximumFramesPerSecond = 240.0;

    // The timer is a child of parent; tick runs on each due frame.
    CanvasFrameClock(QObject* parent, std::function<void()> tick);

    CanvasFrameClock(const CanvasFrameClock&) = delete;
    CanvasFrameClock& operator=(const CanvasFrameClock&) = delete;

    // The first tick comes one period after the start.
    void start();
    void stop();
    bool isRunning() const { return running_; }

    // The display's refresh rate; unusable rates give the default, others are kept
    // within the limits above.
    void setFramesPerSecond(double framesPerSecond);
    double framesPerSecond() const;

private:
    using Clock = std::chrono::steady_clock;

    void arm();
    void fire();

    QTimer* timer_;
    std::function<void()> tick_;
    Clock::duration period_;
    Clock::time_point nextDue_;
    bool running_ = false;
};

}  // namespace vlt
