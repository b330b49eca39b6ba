#pragma once

#include "editing/engine/deformation_tool.h"
#include "editing/engine/float2.h"

namespace vlt {

class QueuedStrokeProcessor;

// Keeps the Reconstruct brush working while the pointer rests: 20 full-strength
// dabs per second, whatever the frame rate. Times are seconds of system uptime.
class StationaryReconstructPlanner {
public:
    static constexpr double kRepeatInterval = 0.05;
    // A frame that arrives very late (the machine slept with the button held)
    // catches up at most this many repeats; the rest are dropped rather than
    // stalling the editor with thousands of dabs.
    static constexpr int kMaximumCatchUpRepeats = 20;

    Float2 point() const { return point_; }
    float radius() const { return radius_; }
    double nextRepeat() const { return nextRepeat_; }
    bool isActive() const { return isActive_; }

    // A stroke begins: only Reconstruct repeats.
    void begin(DeformationTool tool, Float2 point, float radius, double now);

    // A pointer move of the open stroke; a real move restarts the resting count.
    void update(Float2 point, float radius, double now);

    // Queues one repeat for every interval that has passed by `now`; returns how
    // many were queued.
    int queueDueRepeats(double now, QueuedStrokeProcessor& queue);

    // The stroke ended or was cancelled.
    void deactivate() { isActive_ = false; }

private:
    Float2 point_;
    float radius_ = 1.0f;
    double nextRepeat_ = 0.0;
    bool isActive_ = false;
};

}  // namespace vlt
