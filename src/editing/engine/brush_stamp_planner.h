#pragma once

#include <optional>
#include <vector>

#include "editing/engine/brush_stamp.h"
#include "editing/engine/deformation_tool.h"
#include "editing/engine/float2.h"

namespace vlt {

// Turns the pointer points of one stroke into evenly spaced brush stamps. Every
// move is cut into equal steps that end exactly at the new point; nothing is
// carried over from one move to the next.
class BrushStampPlanner {
public:
    // Stamps are at most this fraction of the radius apart, and never closer than
    // kMinimumSpacing, so small brushes do not flood the compose pass.
    static constexpr float kSpacingPerRadius = 0.2f;
    static constexpr float kMinimumSpacing = 1.0f;
    // Moves shorter than this accumulate until they add up to something measurable.
    static constexpr float kMinimumMoveDistance = 1.1920929e-7f;

    static float spacing(float radius);

    Float2 lastPoint() const { return lastPoint_; }
    std::optional<DeformationTool> activeTool() const { return activeTool_; }

    // Opens a stroke. Every tool but Push dabs once at its first point; Push needs
    // a movement before it can move anything.
    void begin(DeformationTool tool, Float2 point, float radius, std::vector<BrushStamp>& into);

    // Spaces stamps from the last point to the given one.
    void appendStamps(DeformationTool tool, Float2 point, float radius, std::vector<BrushStamp>& into);

    // One full-strength dab of the resting Reconstruct brush.
    void appendReconstructRepeat(Float2 point, float radius, std::vector<BrushStamp>& into);

    // Closes the stroke; the last point stays.
    void clearActiveTool() { activeTool_.reset(); }

private:
    Float2 lastPoint_;
    std::optional<DeformationTool> activeTool_;
};

}  // namespace vlt
