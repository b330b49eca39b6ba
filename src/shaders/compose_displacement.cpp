#include "shaders/compose_displacement.h"

#include "shaders/bilinear_sampling.h"
#include "shaders/composition_tool_code.h"
#include "shaders/deformation_constants.h"

namespace vlt {

namespace {

using namespace shading;

inline float falloffWeight(float distanceSquared, float radiusSquared, float intensity) {
    const float ratio = distanceSquared / radiusSquared;
    const float remaining = kOne - ratio;
    return intensity * (remaining * remaining);
}

inline float reconstructed(float component, float keep) {
    const float value = component * keep;
    const bool negligible = value < kReconstructZeroThreshold && value > -kReconstructZeroThreshold;
    return negligible ? kZero : withoutNegativeZero(value);
}

// Samples the field where the pixel takes its content from, then removes the offset
// so the pixel keeps showing that content.
inline PackedFloat2 resampled(const FieldView& field, float x, float y, PackedFloat2 offset) {
    const PackedFloat2 sampled = sampleField(field, x - offset.x, y - offset.y);
    return {withoutNegativeZero(sampled.x - offset.x), withoutNegativeZero(sampled.y - offset.y)};
}

inline PackedFloat2 composeTexel(const CompositionUniforms& u, float radiusSquared, const FieldView& field,
                                 std::int64_t x, std::int64_t y) {
    const PackedFloat2 current = field.at(x, y);
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    const float dx = px - u.center.x;
    const float dy = py - u.center.y;
    const float distanceSquared = dx * dx + dy * dy;
    if (!(distanceSquared < radiusSquared)) return current;
    const float weight = falloffWeight(distanceSquared, radiusSquared, u.intensity);
    switch (static_cast<CompositionToolCode>(u.tool)) {
    case CompositionToolCode::push:
        return resampled(field, px, py, {weight * u.movement.x, weight * u.movement.y});
    case CompositionToolCode::grow: {
        const float pull = kGrowShrinkStrength * weight;
        return resampled(field, px, py, {pull * dx, pull * dy});
    }
    case CompositionToolCode::shrink: {
        const float push = -(kGrowShrinkStrength * weight);
        return resampled(field, px, py, {push * dx, push * dy});
    }
    case CompositionToolCode::reconstruct: {
        const float keep = kOne - kReconstructRate * weight;
        return {reconstructed(current.x, keep), reconstructed(current.y, keep)};
    }
    }
    return current;
}

}  // namespace

void composeDisplacement(const GpuArguments& arguments, const GpuGridRegion& region) {
    const auto uniforms = arguments.bytes<CompositionUniforms>(kComposeUniformsBufferIndex);
    const FieldView field(*arguments.texture(kComposeFieldTextureIndex));
    GpuTexture& scratch = *arguments.texture(kComposeScratchTextureIndex);
    const float radiusSquared = uniforms.radius * uniforms.radius;
    for (std::uint32_t gy = region.y0; gy < region.y1; ++gy) {
        PackedFloat2* out = scratch.row<PackedFloat2>(gy);
        const std::int64_t y = static_cast<std::int64_t>(uniforms.regionOrigin.y) + gy;
        for (std::uint32_t gx = region.x0; gx < region.x1; ++gx) {
            const std::int64_t x = static_cast<std::int64_t>(uniforms.regionOrigin.x) + gx;
            out[gx] = composeTexel(uniforms, radiusSquared, field, x, y);
        }
    }
}

PackedFloat2 composeDisplacementTexel(const CompositionUniforms& uniforms, const GpuTexture& field, std::int64_t x,
                                      std::int64_t y) {
    return composeTexel(uniforms, uniforms.radius * uniforms.radius, FieldView(field), x, y);
}

float brushFalloffWeight(float distanceSquared, float radius, float intensity) {
    const float radiusSquared = radius * radius;
    if (!(distanceSquared < radiusSquared)) return kZero;
    return falloffWeight(distanceSquared, radiusSquared, intensity);
}

}  // namespace vlt
