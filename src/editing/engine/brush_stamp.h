#pragma once

#include <cstdint>

#include "editing/engine/deformation_tool.h"
#include "editing/engine/float2.h"
#include "editing/engine/pixel_region.h"

namespace vlt {

// One circular dab of a brush stroke, in canvas pixels (origin at the top-left
// pixel corner, y downward).
struct BrushStamp {
    DeformationTool tool = DeformationTool::push;
    Float2 center;
    // Zero for every tool but Push.
    Float2 movement;
    // Finite and above 0.
    float radius = 1.0f;
    // Above 0 and at most 1.
    float intensity = 1.0f;

    friend bool operator==(const BrushStamp&, const BrushStamp&) = default;

    // The canvas pixels the dab's circle can touch, clipped to the canvas; a dab
    // entirely outside the canvas (or with a non-finite position) gives (0, 0, 0, 0).
    PixelRegion affectedRegion(std::int64_t width, std::int64_t height) const;
};

}  // namespace vlt
