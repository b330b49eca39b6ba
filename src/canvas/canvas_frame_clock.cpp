#include "canvas/canvas_frame_clock.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <cmath>

#include <QMetaObject>
#include <QObject>

#include "base/thread_wake_latency.h"

namespace vlt {

namespace {

std::chrono::steady_clock::duration periodOf(double framesPerSecond) {
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(1.0 / framesPerSecond));
}

// The processors the clock's threads wait on: the two halves of those the process may
// use, or one thread anywhere where there is a single one.
std::vector<std::vector<int>> tickThreadProcessors() {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    std::vector<int> usable;
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0) {
        for (int processor = 0; processor < CPU_SETSIZE; ++processor) {
            if (CPU_ISSET(processor, &allowed)) usable.push_back(processor);
        }
    }
    if (usable.size() < 2) return {{}};
    const auto middle = usable.begin() + static_cast<std::ptrdiff_t>(usable.size() / 2);
    return {std::vector<int>(usable.begin(), middle), std::vector<int>(middle, usable.end())};
}

void keepCurrentThreadOn(const std::vector<int>& processors) {
    if (processors.empty()) return;
    cpu_set_t set;
    CPU_ZERO(&set);
    for (const int processor : processors) CPU_SET(processor, &set);
    // Where it is refused, the thread runs anywhere, as it would have.
    pthread_setaffinity_np(pthread_self(), sizeof set, &set);
}

}  // namespace

CanvasFrameClock::CanvasFrameClock(std::function<void()> tick)
    : receiver_(std::make_unique<QObject>()), tick_(std::move(tick)), timeline_(std::make_shared<Timeline>()) {
    timeline_->period = periodOf(kDefaultFramesPerSecond);
    // The GUI thread shows each frame at the tick: on a busy machine it must get a
    // processor then, not after another program's turn.
    ThreadWakeLatency::shortenForCurrentThread();
}

CanvasFrameClock::~CanvasFrameClock() {
    {
        const std::lock_guard lock(timeline_->mutex);
        timeline_->running = false;
        timeline_->quitting = true;
    }
    timeline_->changed.notify_all();
    for (std::thread& thread : threads_) thread.join();
    // Ticks still on their way are dropped with their receiver, after this.
}

void CanvasFrameClock::start() {
    if (running_) return;
    running_ = true;
    {
        const std::lock_guard lock(timeline_->mutex);
        timeline_->running = true;
        ++timeline_->generation;
        timeline_->origin = Clock::now();
        timeline_->due = 0;
        timeline_->tickPosted = false;
    }
    if (threads_.empty()) {
        for (std::vector<int>& processors : tickThreadProcessors()) {
            threads_.emplace_back([this, processors = std::move(processors)] { runTimeline(processors); });
        }
    }
    timeline_->changed.notify_all();
}

void CanvasFrameClock::stop() {
    running_ = false;
    {
        const std::lock_guard lock(timeline_->mutex);
        timeline_->running = false;
        ++timeline_->generation;
    }
    timeline_->changed.notify_all();
}

void CanvasFrameClock::setFramesPerSecond(double framesPerSecond) {
    const double usable =
        std::isfinite(framesPerSecond) && framesPerSecond > 0.0 ? framesPerSecond : kDefaultFramesPerSecond;
    const Clock::duration period = periodOf(std::clamp(usable, kMinimumFramesPerSecond, kMaximumFramesPerSecond));
    {
        const std::lock_guard lock(timeline_->mutex);
        if (period == timeline_->period) return;
        // The tick that fell due last stays where it was; the new rate runs from it.
        timeline_->origin += timeline_->due * (timeline_->period - period);
        timeline_->period = period;
    }
    timeline_->changed.notify_all();
}

double CanvasFrameClock::framesPerSecond() const {
    const std::lock_guard lock(timeline_->mutex);
    return 1.0 / std::chrono::duration<double>(timeline_->period).count();
}

void CanvasFrameClock::runTimeline(const std::vector<int>& processors) {
    keepCurrentThreadOn(processors);
    ThreadWakeLatency::shortenForCurrentThread();
    Timeline& timeline = *timeline_;
    std::unique_lock lock(timeline.mutex);
    while (!timeline.quitting) {
        if (!timeline.running) {
            timeline.changed.wait(lock);
            continue;
        }
        const Clock::time_point next = timeline.origin + (timeline.due + 1) * timeline.period;
        if (Clock::now() < next) {
            // Woken early by a stop, a restart or a new rate: look again.
            timeline.changed.wait_until(lock, next);
            continue;
        }
        // Every tick that fell due meanwhile is passed over at once: the timeline
        // never falls behind, and a late GUI thread gets one tick, not a burst. The
        // other thread, woken for the same tick, finds it taken and waits for the next.
        timeline.due = (Clock::now() - timeline.origin) / timeline.period;
        if (timeline.tickPosted) continue;
        timeline.tickPosted = true;
        const std::uint64_t generation = timeline.generation;
        // Posted with the timeline unlocked: the GUI thread, woken by the post, may
        // run at once on this processor and take the lock in fire(); were it still
        // held, it would wait for this thread's next turn, which another program's
        // turn can put milliseconds away.
        lock.unlock();
        QMetaObject::invokeMethod(
            receiver_.get(), [this, generation] { fire(generation); }, Qt::QueuedConnection);
        lock.lock();
    }
}

void CanvasFrameClock::fire(std::uint64_t generation) {
    {
        const std::lock_guard lock(timeline_->mutex);
        if (generation != timeline_->generation) return;
        timeline_->tickPosted = false;
    }
    if (running_) tick_();
}

}  // namespace vlt
