#pragma once

#include <cstddef>
#include <cstdint>

#include "shaders/shader_vector_types.h"

namespace vlt {

// Parameter block of "backgroundFragment" (buffer index 0).
struct BackgroundUniforms {
    // Where the grid starts, in target pixels: a pane's top-left corner.
    PackedFloat2 origin;
    // Target pixels per point.
    float backingScale = 1.0f;
    // 0: the whole target in the base colour; 1: a pane with its grid.
    std::uint32_t drawsPane = 0;
    // Linear RGBA.
    PackedFloat4 baseColor;
    // Linear RGBA of the grid lines.
    PackedFloat4 accentColor;
    // Grid spacing and line width, in points.
    PackedFloat2 constants;
    PackedFloat2 reserved;
};

static_assert(sizeof(BackgroundUniforms) == 64);
static_assert(offsetof(BackgroundUniforms, origin) == 0);
static_assert(offsetof(BackgroundUniforms, backingScale) == 8);
static_assert(offsetof(BackgroundUniforms, drawsPane) == 12);
static_assert(offsetof(BackgroundUniforms, baseColor) == 16);
static_assert(offsetof(BackgroundUniforms, accentColor) == 32);
static_assert(offsetof(BackgroundUniforms, constants) == 48);
static_assert(offsetof(BackgroundUniforms, reserved) == 56);

}  // namespace vlt
