#include "editing/engine/brush_stamp_planner.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/precondition.h"

namespace vlt {

namespace {

constexpr float kFullIntensity = 1.0f;

bool isUsableRadius(float radius) { return std::isfinite(radius) && radius > 0.0f; }

}  // namespace

float BrushStampPlanner::spacing(float radius) { return std::max(radius * kSpacingPerRadius, kMinimumSpacing); }

void BrushStampPlanner::begin(DeformationTool tool, Float2 point, float radius, std::vector<BrushStamp>& into) {
    VLT_PRECONDITION(isUsableRadius(radius), "a stroke needs a finite radius above 0");
    VLT_PRECONDITION(point.isFinite(), "a stroke point must be finite");
    if (tool != DeformationTool::push) {
        into.push_back({tool, point, {}, radius, kFullIntensity});
    }
    lastPoint_ = point;
    activeTool_ = tool;
}

void BrushStampPlanner::appendStamps(DeformationTool tool, Float2 point, float radius, std::vector<BrushStamp>& into) {
    VLT_PRECONDITION(activeTool_.has_value(), "a move needs an open stroke");
    VLT_PRECONDITION(isUsableRadius(radius), "a stroke needs a finite radius above 0");
    VLT_PRECONDITION(tool == *activeTool_, "a move must keep the tool of its stroke");
    VLT_PRECONDITION(point.isFinite(), "a stroke point must be finite");

    const Float2 delta = point - lastPoint_;
    const float distance = delta.length();
    if (distance < kMinimumMoveDistance) {
        return;
    }

    const float stampSpacing = spacing(radius);
    const auto stepCount = std::max<std::int64_t>(static_cast<std::int64_t>(std::ceil(distance / stampSpacing)), 1);
    const Float2 step = delta / static_cast<float>(stepCount);
    const float stepLength = step.length();
    const float partialIntensity = std::min(stepLength / stampSpacing, kFullIntensity);

    into.reserve(into.size() + static_cast<std::size_t>(stepCount));
    for (std::int64_t i = 1; i <= stepCount; ++i) {
        const Float2 segmentStart = lastPoint_ + step * static_cast<float>(i - 1);
        const Float2 segmentEnd = segmentStart + step;
        if (tool == DeformationTool::push) {
            const Float2 midpoint = segmentStart + 0.5f * (segmentEnd - segmentStart);
            into.push_back({tool, midpoint, step, radius, kFullIntensity});
        } else {
            into.push_back({tool, segmentEnd, {}, radius, partialIntensity});
        }
    }
    lastPoint_ = point;
}

void BrushStampPlanner::appendReconstructRepeat(Float2 point, float radius, std::vector<BrushStamp>& into) {
    VLT_PRECONDITION(activeTool_ == DeformationTool::reconstruct, "a resting repeat needs an open Reconstruct stroke");
    VLT_PRECONDITION(point.isFinite(), "a stroke point must be finite");
    VLT_PRECONDITION(isUsableRadius(radius), "a stroke needs a finite radius above 0");
    lastPoint_ = point;
    into.push_back({DeformationTool::reconstruct, point, {}, radius, kFullIntensity});
}

}  // namespace vlt
