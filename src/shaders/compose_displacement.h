#pragma once

#include <cstdint>

#include "platform/gpu/gpu_function.h"
#include "platform/gpu/gpu_texture.h"
#include "shaders/composition_uniforms.h"
#include "shaders/shader_vector_types.h"

namespace vlt {

inline constexpr int kComposeFieldTextureIndex = 0;
inline constexpr int kComposeScratchTextureIndex = 1;
inline constexpr int kComposeUniformsBufferIndex = 0;

// "composeDisplacement": grid thread (gx, gy) composes one brush stamp into canvas
// pixel regionOrigin + (gx, gy) of the field (texture 0, read) and writes it to
// scratch texel (gx, gy) (texture 1). Outside the stamp's circle the texel is copied
// bit for bit.
//
// The field D maps each canvas pixel to the canvas position it shows, P + s·D(P).
// With the falloff weight w = intensity · (1 − (d/radius)²)²:
// - Push (movement m): D'(P) = D̃(P − w·m) − w·m, so the image moves along m.
// - Grow: q = P − G·w·(P − c), D'(P) = D̃(q) + (q − P); Shrink: q = P + G·w·(P − c).
// - Reconstruct: D'(P) = D(P) · (1 − R·w), tiny components snapped to zero.
// D̃ is D sampled bilinearly with clamp-to-edge. No texel is ever written as −0.
// It composes eight pixels at a time where the processor has AVX2, four elsewhere,
// with the same bytes.
void composeDisplacement(const GpuArguments& arguments, const GpuGridRegion& region);

// The same in four lanes whatever the processor, as processors without AVX2 run it.
void composeDisplacementInFourLanes(const GpuArguments& arguments, const GpuGridRegion& region);

// The composed value of one canvas pixel, as the kernel computes it.
PackedFloat2 composeDisplacementTexel(const CompositionUniforms& uniforms, const GpuTexture& field, std::int64_t x,
                                      std::int64_t y);

// The falloff weight w of a pixel at the given squared distance from the centre.
float brushFalloffWeight(float distanceSquared, float radius, float intensity);

}  // namespace vlt
