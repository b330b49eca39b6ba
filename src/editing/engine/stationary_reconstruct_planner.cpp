#include "editing/engine/stationary_reconstruct_planner.h"

#include "editing/engine/queued_stroke_processor.h"
#include "editing/engine/stroke_sample.h"

namespace vlt {

void StationaryReconstructPlanner::begin(DeformationTool tool, Float2 point, float radius, double now) {
    point_ = point;
    radius_ = radius;
    isActive_ = tool == DeformationTool::reconstruct;
    nextRepeat_ = now + kRepeatInterval;
}

void StationaryReconstructPlanner::update(Float2 point, float radius, double now) {
    if (!isActive_) {
        return;
    }
    if (point == point_ && radius == radius_) {
        return;
    }
    point_ = point;
    radius_ = radius;
    nextRepeat_ = now + kRepeatInterval;
}

int StationaryReconstructPlanner::queueDueRepeats(double now, QueuedStrokeProcessor& queue) {
    if (!isActive_) {
        return 0;
    }
    int queued = 0;
    while (nextRepeat_ <= now && queued < kMaximumCatchUpRepeats) {
        queue.append(StrokeSample::reconstructRepeat(point_, radius_));
        nextRepeat_ += kRepeatInterval;
        ++queued;
    }
    if (nextRepeat_ <= now) {
        nextRepeat_ = now + kRepeatInterval;
    }
    return queued;
}

}  // namespace vlt
