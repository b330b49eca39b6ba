#include "canvas/brush_stroke_controller.h"

#include <cmath>

namespace vlt {

namespace {

bool isUsableRadius(float radius) { return std::isfinite(radius) && radius > 0.0f; }

}  // namespace

DeformationTool deformationTool(EditorTool tool) {
    switch (tool) {
    case EditorTool::grow:
        return DeformationTool::grow;
    case EditorTool::shrink:
        return DeformationTool::shrink;
    case EditorTool::reconstruct:
        return DeformationTool::reconstruct;
    default:
        return DeformationTool::push;
    }
}

bool BrushStrokeController::begin(DeformationTool tool, Float2 point, float radius, double now) {
    if (phase_ != Phase::idle || !isUsableRadius(radius) || !point.isFinite()) return false;
    appliedStamps_.clear();
    forgetPlannedStamps();
    queue_.reset();
    queue_.append(StrokeSample::begin(tool, point, radius));
    reconstructPlanner_.begin(tool, point, radius, now);
    tool_ = tool;
    phase_ = Phase::open;
    return true;
}

void BrushStrokeController::move(Float2 point, float radius, double now) {
    if (phase_ != Phase::open || !isUsableRadius(radius) || !point.isFinite()) return;
    queue_.append(StrokeSample::move(tool_, point, radius));
    reconstructPlanner_.update(point, radius, now);
}

bool BrushStrokeController::end() {
    if (phase_ != Phase::open) return false;
    phase_ = Phase::released;
    reconstructPlanner_.deactivate();
    queue_.append(StrokeSample::end());
    return true;
}

const std::vector<BrushStamp>& BrushStrokeController::drainFrame(double now, std::int64_t workLimit,
                                                                 const StampWork& workOf) {
    if (phase_ == Phase::open && reconstructPlanner_.isActive()) reconstructPlanner_.queueDueRepeats(now, queue_);
    queue_.drain(planned_);
    frameStamps_.clear();
    std::int64_t work = 0;
    while (plannedHead_ < planned_.size()) {
        const BrushStamp& stamp = planned_[plannedHead_];
        work += workOf(stamp);
        if (work > workLimit && !frameStamps_.empty()) break;
        frameStamps_.push_back(stamp);
        ++plannedHead_;
    }
    if (plannedHead_ == planned_.size()) forgetPlannedStamps();
    return frameStamps_;
}

void BrushStrokeController::frameApplied() {
    appliedStamps_.insert(appliedStamps_.end(), frameStamps_.begin(), frameStamps_.end());
}

std::optional<std::vector<BrushStamp>> BrushStrokeController::takeFinishedStroke() {
    if (phase_ != Phase::released || waitingStampCount() != 0 || !queue_.pending().empty()) return std::nullopt;
    phase_ = Phase::idle;
    return takeAppliedStamps();
}

std::vector<BrushStamp> BrushStrokeController::cancel() {
    phase_ = Phase::idle;
    reconstructPlanner_.deactivate();
    queue_.reset();
    forgetPlannedStamps();
    return takeAppliedStamps();
}

std::vector<BrushStamp> BrushStrokeController::takeAppliedStamps() {
    // A copy, so that the list keeps its storage for the next stroke.
    std::vector<BrushStamp> stamps(appliedStamps_.begin(), appliedStamps_.end());
    appliedStamps_.clear();
    return stamps;
}

void BrushStrokeController::forgetPlannedStamps() {
    planned_.clear();
    plannedHead_ = 0;
}

}  // namespace vlt
