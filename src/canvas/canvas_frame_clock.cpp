#include "canvas/canvas_frame_clock.h"

#include <algorithm>
#include <cmath>

#include <QTimer>

namespace vlt {

namespace {

std::chrono::steady_clock::duration periodOf(double framesPerSecond) {
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(1.0 / framesPerSecond));
}

}  // namespace

CanvasFrameClock::CanvasFrameClock(QObject* parent, std::function<void()> tick)
    : timer_(new QTimer(parent)), tick_(std::move(tick)), period_(periodOf(kDefaultFramesPerSecond)) {
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { fire(); });
}

void CanvasFrameClock::start() {
    if (running_) return;
    running_ = true;
    nextDue_ = Clock::now() + period_;
    arm();
}

void CanvasFrameClock::stop() {
    running_ = false;
    timer_->stop();
}

void CanvasFrameClock::setFramesPerSecond(double framesPerSecond) {
    const double usable =
        std::isfinite(framesPerSecond) && framesPerSecond > 0.0 ? framesPerSecond : kDefaultFramesPerSecond;
    period_ = periodOf(std::clamp(usable, kMinimumFramesPerSecond, kMaximumFramesPerSecond));
}

double CanvasFrameClock::framesPerSecond() const { return 1.0 / std::chrono::duration<double>(period_).count(); }

void CanvasFrameClock::arm() {
    // Qt's timers count whole milliseconds: waiting the fraction less lets a tick come
    // up to a millisecond early, never late, and the next one is still due on time.
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(nextDue_ - Clock::now());
    timer_->start(static_cast<int>(std::max<std::chrono::milliseconds::rep>(wait.count(), 0)));
}

void CanvasFrameClock::fire() {
    if (!running_) return;
    const Clock::time_point now = Clock::now();
    nextDue_ += period_;
    if (nextDue_ <= now) {
        const auto missed = (now - nextDue_) / period_ + 1;
        nextDue_ += missed * period_;
    }
    tick_();
    // The tick may have stopped (and even restarted) the clock.
    if (running_ && !timer_->isActive()) arm();
}

}  // namespace vlt
