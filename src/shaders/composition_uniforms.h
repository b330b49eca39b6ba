#pragma once

#include <cstddef>
#include <cstdint>

#include "shaders/shader_vector_types.h"

namespace vlt {

// Parameter block of "composeDisplacement" for one brush stamp (buffer index 0).
struct CompositionUniforms {
    // Stamp centre in canvas pixels.
    PackedFloat2 center;
    // Stamp movement in canvas pixels (Push only).
    PackedFloat2 movement;
    // Canvas width and height.
    PackedFloat2 canvasSize;
    // Top-left pixel of the stamp's affected region; grid thread (0, 0) composes it.
    PackedUInt2 regionOrigin;
    float radius = 0.0f;
    // In (0, 1].
    float intensity = 0.0f;
    // A CompositionToolCode.
    std::uint32_t tool = 0;
    std::uint32_t padding = 0;
};

static_assert(sizeof(CompositionUniforms) == 48);
static_assert(offsetof(CompositionUniforms, center) == 0);
static_assert(offsetof(CompositionUniforms, movement) == 8);
static_assert(offsetof(CompositionUniforms, canvasSize) == 16);
static_assert(offsetof(CompositionUniforms, regionOrigin) == 24);
static_assert(offsetof(CompositionUniforms, radius) == 32);
static_assert(offsetof(CompositionUniforms, intensity) == 36);
static_assert(offsetof(CompositionUniforms, tool) == 40);
static_assert(offsetof(CompositionUniforms, padding) == 44);

}  // namespace vlt
