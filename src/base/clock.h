#pragma once

namespace vlt {

// The monotonic system uptime in seconds. Models take a Clock so that tests can
// move time by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double uptimeSeconds() const = 0;
};

// The machine's monotonic clock (time spent suspended does not count).
class SystemClock final : public Clock {
public:
    double uptimeSeconds() const override;
    static SystemClock& shared();
};

class ManualClock final : public Clock {
public:
    explicit ManualClock(double startSeconds = 1000.0) : now_(startSeconds) {}
    double uptimeSeconds() const override { return now_; }
    void advance(double seconds) { now_ += seconds; }
    void set(double seconds) { now_ = seconds; }

private:
    double now_;
};

}  // namespace vlt
