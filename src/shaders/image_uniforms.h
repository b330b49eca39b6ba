#pragma once

#include <array>
#include <cstddef>

#include "shaders/shader_vector_types.h"

namespace vlt {

// Parameter block of "imageVertex" and "imageFragment" (the same bytes at buffer
// index 0 of both stages).
struct ImageUniforms {
    // Where the whole canvas image lies, in target pixels: x, y, width, height.
    PackedFloat4 imageRect;
    // The target's size in pixels.
    PackedFloat2 viewportSize;
    // Canvas width and height.
    PackedFloat2 canvasSize;
    // 0 draws the canvas unchanged, 1 with the full displacement.
    float displacementScale = 0.0f;
    std::array<float, 3> reserved0{};
    PackedFloat4 reserved1;
};

static_assert(sizeof(ImageUniforms) == 64);
static_assert(offsetof(ImageUniforms, imageRect) == 0);
static_assert(offsetof(ImageUniforms, viewportSize) == 16);
static_assert(offsetof(ImageUniforms, canvasSize) == 24);
static_assert(offsetof(ImageUniforms, displacementScale) == 32);
static_assert(offsetof(ImageUniforms, reserved0) == 36);
static_assert(offsetof(ImageUniforms, reserved1) == 48);

}  // namespace vlt
