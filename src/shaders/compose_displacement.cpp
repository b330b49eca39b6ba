#include "shaders/compose_displacement.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "shaders/bilinear_sampling.h"
#include "shaders/composition_tool_code.h"
#include "shaders/deformation_constants.h"

// The 256-bit lane helpers below are always inlined into code compiled for AVX2, so no
// call passes their vectors across the ABI the warning is about.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace vlt {

namespace {

using namespace shading;

VLT_SHADING_INLINE float falloffWeight(float distanceSquared, float radiusSquared, float intensity) {
    const float ratio = distanceSquared / radiusSquared;
    const float remaining = kOne - ratio;
    return intensity * (remaining * remaining);
}

VLT_SHADING_INLINE float reconstructed(float component, float keep) {
    const float value = component * keep;
    const bool negligible = value < kReconstructZeroThreshold && value > -kReconstructZeroThreshold;
    return negligible ? kZero : withoutNegativeZero(value);
}

// Samples the field where the pixel takes its content from, then removes the offset
// so the pixel keeps showing that content.
VLT_SHADING_INLINE PackedFloat2 resampled(const FieldView& field, float x, float y, PackedFloat2 offset) {
    const PackedFloat2 sampled = sampleField(field, x - offset.x, y - offset.y);
    return {withoutNegativeZero(sampled.x - offset.x), withoutNegativeZero(sampled.y - offset.y)};
}

// A pixel inside the stamp's circle, at (px, py) = centre + (dx, dy).
template <CompositionToolCode Tool>
VLT_SHADING_INLINE PackedFloat2 composedInside(const CompositionUniforms& u, float radiusSquared,
                                               const FieldView& field, PackedFloat2 current, float px, float py,
                                               float dx, float dy, float distanceSquared) {
    const float weight = falloffWeight(distanceSquared, radiusSquared, u.intensity);
    if constexpr (Tool == CompositionToolCode::push) {
        return resampled(field, px, py, {weight * u.movement.x, weight * u.movement.y});
    } else if constexpr (Tool == CompositionToolCode::grow) {
        const float pull = kGrowShrinkStrength * weight;
        return resampled(field, px, py, {pull * dx, pull * dy});
    } else if constexpr (Tool == CompositionToolCode::shrink) {
        const float push = -(kGrowShrinkStrength * weight);
        return resampled(field, px, py, {push * dx, push * dy});
    } else {
        const float keep = kOne - kReconstructRate * weight;
        return {reconstructed(current.x, keep), reconstructed(current.y, keep)};
    }
}

template <CompositionToolCode Tool>
PackedFloat2 composedTexel(const CompositionUniforms& u, float radiusSquared, const FieldView& field, std::int64_t x,
                           std::int64_t y) {
    const PackedFloat2 current = field.at(x, y);
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    const float dx = px - u.center.x;
    const float dy = py - u.center.y;
    const float distanceSquared = dx * dx + dy * dy;
    if (!(distanceSquared < radiusSquared)) return current;
    return composedInside<Tool>(u, radiusSquared, field, current, px, py, dx, dy, distanceSquared);
}

// Four or eight pixels of a row at once. Every lane does exactly the scalar
// arithmetic of composedInside (the same IEEE operations in the same order, never
// fused), so the bytes depend neither on whether a pixel is composed here or one by
// one, nor on how many lanes the processor has.
template <int LaneCount>
struct LaneWidth;

// Each lane's texel is loaded whole (as one 64-bit unit) and the lanes are transposed
// in registers into x and y components: lanes assembled in memory one float at a time
// make the vector read of them wait for every single store.
VLT_SHADING_INLINE double texelBits(const PackedFloat2* texel) {
    double bits;
    std::memcpy(&bits, texel, sizeof bits);
    return bits;
}
static_assert(sizeof(double) == sizeof(PackedFloat2));

template <>
struct LaneWidth<4> {
    typedef float Lanes __attribute__((vector_size(16)));
    typedef std::int32_t Ints __attribute__((vector_size(16)));
    typedef double Texels __attribute__((vector_size(16)));
    static constexpr Lanes kOffsets = {0.0f, 1.0f, 2.0f, 3.0f};

    VLT_SHADING_INLINE static void transpose(const PackedFloat2* const (&texels)[4], Lanes& x, Lanes& y) {
        const Lanes low = reinterpret_cast<Lanes>(Texels{texelBits(texels[0]), texelBits(texels[1])});
        const Lanes high = reinterpret_cast<Lanes>(Texels{texelBits(texels[2]), texelBits(texels[3])});
        x = __builtin_shufflevector(low, high, 0, 2, 4, 6);
        y = __builtin_shufflevector(low, high, 1, 3, 5, 7);
    }
};

template <>
struct LaneWidth<8> {
    typedef float Lanes __attribute__((vector_size(32)));
    typedef std::int32_t Ints __attribute__((vector_size(32)));
    typedef double Texels __attribute__((vector_size(32)));
    static constexpr Lanes kOffsets = {0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f};

    VLT_SHADING_INLINE static void transpose(const PackedFloat2* const (&texels)[8], Lanes& x, Lanes& y) {
        const Lanes low = reinterpret_cast<Lanes>(
            Texels{texelBits(texels[0]), texelBits(texels[1]), texelBits(texels[2]), texelBits(texels[3])});
        const Lanes high = reinterpret_cast<Lanes>(
            Texels{texelBits(texels[4]), texelBits(texels[5]), texelBits(texels[6]), texelBits(texels[7])});
        x = __builtin_shufflevector(low, high, 0, 2, 4, 6, 8, 10, 12, 14);
        y = __builtin_shufflevector(low, high, 1, 3, 5, 7, 9, 11, 13, 15);
    }
};

template <int N>
struct LaneFootprint {
    typename LaneWidth<N>::Ints first;
    typename LaneWidth<N>::Ints second;
    typename LaneWidth<N>::Lanes fraction;
};

// footprintAlong for every lane's coordinate; field extents are far below 2³¹.
template <int N>
VLT_SHADING_INLINE LaneFootprint<N> lanesFootprint(typename LaneWidth<N>::Lanes coordinate, std::int64_t extent) {
    using Lanes = typename LaneWidth<N>::Lanes;
    using Ints = typename LaneWidth<N>::Ints;
    const float last = static_cast<float>(extent - 1);
    const Lanes zero = Lanes{} + kZero;
    const Lanes lastLanes = zero + last;
    const Lanes below = coordinate < lastLanes ? coordinate : lastLanes;
    const Lanes clamped = coordinate > zero ? below : zero;
    const Ints first = __builtin_convertvector(clamped, Ints);
    const Ints next = first + 1;
    const Ints extentLanes = Ints{} + static_cast<std::int32_t>(extent);
    const Ints second = next < extentLanes ? next : first;
    return {first, second, clamped - __builtin_convertvector(first, Lanes)};
}

template <typename Lanes>
VLT_SHADING_INLINE Lanes lanesLerp(Lanes a, Lanes b, Lanes t) {
    const Lanes weightA = (Lanes{} + kOne) - t;
    return a * weightA + b * t;
}

// The field sampled bilinearly at every lane's position, as x and y components.
template <int N>
VLT_SHADING_INLINE void lanesSampleField(const FieldView& field, typename LaneWidth<N>::Lanes x,
                                         typename LaneWidth<N>::Lanes y, typename LaneWidth<N>::Lanes& sampledX,
                                         typename LaneWidth<N>::Lanes& sampledY) {
    using Lanes = typename LaneWidth<N>::Lanes;
    const LaneFootprint<N> fx = lanesFootprint<N>(x, field.width);
    const LaneFootprint<N> fy = lanesFootprint<N>(y, field.height);
    const PackedFloat2* topLeft[N];
    const PackedFloat2* topRight[N];
    const PackedFloat2* bottomLeft[N];
    const PackedFloat2* bottomRight[N];
    for (int lane = 0; lane < N; ++lane) {
        const PackedFloat2* top = field.row(fy.first[lane]);
        const PackedFloat2* bottom = field.row(fy.second[lane]);
        topLeft[lane] = top + fx.first[lane];
        topRight[lane] = top + fx.second[lane];
        bottomLeft[lane] = bottom + fx.first[lane];
        bottomRight[lane] = bottom + fx.second[lane];
    }
    Lanes topLeftX, topLeftY, topRightX, topRightY, bottomLeftX, bottomLeftY, bottomRightX, bottomRightY;
    LaneWidth<N>::transpose(topLeft, topLeftX, topLeftY);
    LaneWidth<N>::transpose(topRight, topRightX, topRightY);
    LaneWidth<N>::transpose(bottomLeft, bottomLeftX, bottomLeftY);
    LaneWidth<N>::transpose(bottomRight, bottomRightX, bottomRightY);
    sampledX = lanesLerp(lanesLerp(topLeftX, topRightX, fx.fraction), lanesLerp(bottomLeftX, bottomRightX, fx.fraction),
                         fy.fraction);
    sampledY = lanesLerp(lanesLerp(topLeftY, topRightY, fx.fraction), lanesLerp(bottomLeftY, bottomRightY, fx.fraction),
                         fy.fraction);
}

template <typename Lanes>
VLT_SHADING_INLINE Lanes lanesReconstructed(Lanes component, Lanes keep) {
    const Lanes value = component * keep;
    const Lanes threshold = Lanes{} + kReconstructZeroThreshold;
    const Lanes negativeThreshold = Lanes{} - kReconstructZeroThreshold;
    const auto negligible = (value < threshold) & (value > negativeThreshold);
    return negligible ? Lanes{} + kZero : value + kZero;
}

// Composes pixels [begin, begin + N × groups) of row y, all inside the circle.
template <CompositionToolCode Tool, int N>
VLT_SHADING_INLINE void composeLanes(const CompositionUniforms& u, float radiusSquared, const FieldView& field,
                                     const PackedFloat2* in, PackedFloat2* out, std::int64_t begin, std::int64_t groups,
                                     float py, float dySquared) {
    using Lanes = typename LaneWidth<N>::Lanes;
    for (std::int64_t group = 0; group < groups; ++group) {
        const std::int64_t x = begin + group * N;
        // Exact: pixel columns are integers far below 2²⁴.
        const Lanes px = (Lanes{} + static_cast<float>(x)) + LaneWidth<N>::kOffsets;
        const Lanes dx = px - u.center.x;
        const Lanes distanceSquared = dx * dx + dySquared;
        const Lanes ratio = distanceSquared / radiusSquared;
        const Lanes remaining = kOne - ratio;
        const Lanes weight = u.intensity * (remaining * remaining);
        Lanes resultX;
        Lanes resultY;
        if constexpr (Tool == CompositionToolCode::reconstruct) {
            const Lanes keep = kOne - kReconstructRate * weight;
            Lanes currentX;
            Lanes currentY;
            for (int lane = 0; lane < N; ++lane) {
                currentX[lane] = in[x + lane].x;
                currentY[lane] = in[x + lane].y;
            }
            resultX = lanesReconstructed(currentX, keep);
            resultY = lanesReconstructed(currentY, keep);
        } else {
            Lanes offsetX;
            Lanes offsetY;
            if constexpr (Tool == CompositionToolCode::push) {
                offsetX = weight * u.movement.x;
                offsetY = weight * u.movement.y;
            } else {
                const float dy = py - u.center.y;
                const Lanes pull = kGrowShrinkStrength * weight;
                const Lanes factor = Tool == CompositionToolCode::grow ? pull : -pull;
                offsetX = factor * dx;
                offsetY = factor * dy;
            }
            Lanes sampledX;
            Lanes sampledY;
            lanesSampleField<N>(field, px - offsetX, (Lanes{} + py) - offsetY, sampledX, sampledY);
            resultX = (sampledX - offsetX) + kZero;
            resultY = (sampledY - offsetY) + kZero;
        }
        for (int lane = 0; lane < N; ++lane) out[x + lane] = {resultX[lane], resultY[lane]};
    }
}

// Rows are split where they cross the circle: the parts outside are copied as
// they are, only the part inside is composed. The split uses the same test as a
// pixel-by-pixel pass, so the bytes are the same.
template <CompositionToolCode Tool, int N>
VLT_SHADING_INLINE void composeRegion(const CompositionUniforms& u, const FieldView& field, GpuTexture& scratch,
                                      const GpuGridRegion& region) {
    const float radiusSquared = u.radius * u.radius;
    const std::int64_t originX = u.regionOrigin.x;
    const std::int64_t first = originX + region.x0;
    const std::int64_t end = originX + region.x1;
    for (std::uint32_t gy = region.y0; gy < region.y1; ++gy) {
        const std::int64_t y = static_cast<std::int64_t>(u.regionOrigin.y) + gy;
        const PackedFloat2* in = field.row(y);
        PackedFloat2* out = scratch.row<PackedFloat2>(gy);
        const float py = static_cast<float>(y);
        const float dy = py - u.center.y;
        const float dySquared = dy * dy;
        auto inside = [&](std::int64_t x) {
            const float dx = static_cast<float>(x) - u.center.x;
            return dx * dx + dySquared < radiusSquared;
        };

        std::int64_t insideBegin = end;
        std::int64_t insideEnd = end;
        if (dySquared < radiusSquared) {
            const float half = std::sqrt(radiusSquared - dySquared);
            insideBegin = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::ceil(u.center.x - half)), first, end);
            insideEnd = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(u.center.x + half)) + 1,
                                                 insideBegin, end);
            while (insideBegin > first && inside(insideBegin - 1)) --insideBegin;
            while (insideBegin < insideEnd && !inside(insideBegin)) ++insideBegin;
            while (insideEnd < end && inside(insideEnd)) ++insideEnd;
            while (insideEnd > insideBegin && !inside(insideEnd - 1)) --insideEnd;
        }
        std::copy(in + first, in + insideBegin, out + (first - originX));
        const std::int64_t groups = (insideEnd - insideBegin) / N;
        composeLanes<Tool, N>(u, radiusSquared, field, in, out - originX, insideBegin, groups, py, dySquared);
        for (std::int64_t x = insideBegin + groups * N; x < insideEnd; ++x) {
            const float px = static_cast<float>(x);
            const float dx = px - u.center.x;
            out[x - originX] = composedInside<Tool>(u, radiusSquared, field, in[x], px, py, dx, dy, dx * dx + dy * dy);
        }
        std::copy(in + insideEnd, in + end, out + (insideEnd - originX));
    }
}

template <int N>
VLT_SHADING_INLINE void composeWithLanes(const CompositionUniforms& uniforms, const FieldView& field,
                                         GpuTexture& scratch, const GpuGridRegion& region) {
    switch (static_cast<CompositionToolCode>(uniforms.tool)) {
    case CompositionToolCode::push:
        return composeRegion<CompositionToolCode::push, N>(uniforms, field, scratch, region);
    case CompositionToolCode::grow:
        return composeRegion<CompositionToolCode::grow, N>(uniforms, field, scratch, region);
    case CompositionToolCode::shrink:
        return composeRegion<CompositionToolCode::shrink, N>(uniforms, field, scratch, region);
    case CompositionToolCode::reconstruct:
        return composeRegion<CompositionToolCode::reconstruct, N>(uniforms, field, scratch, region);
    }
    // An unknown tool changes nothing: the region is copied.
    for (std::uint32_t gy = region.y0; gy < region.y1; ++gy) {
        const PackedFloat2* in = field.row(uniforms.regionOrigin.y + gy) + uniforms.regionOrigin.x;
        std::copy(in + region.x0, in + region.x1, scratch.row<PackedFloat2>(gy) + region.x0);
    }
}

// The same for processors with 256-bit vectors, compiled for them: the code above is
// inlined into it.
__attribute__((target("avx2"))) void composeWithEightLanes(const CompositionUniforms& uniforms, const FieldView& field,
                                                           GpuTexture& scratch, const GpuGridRegion& region) {
    composeWithLanes<8>(uniforms, field, scratch, region);
}

void composeOnThisProcessor(const GpuArguments& arguments, const GpuGridRegion& region, bool eightLanes) {
    const auto uniforms = arguments.bytes<CompositionUniforms>(kComposeUniformsBufferIndex);
    const FieldView field(*arguments.texture(kComposeFieldTextureIndex));
    GpuTexture& scratch = *arguments.texture(kComposeScratchTextureIndex);
    if (eightLanes) {
        composeWithEightLanes(uniforms, field, scratch, region);
    } else {
        composeWithLanes<4>(uniforms, field, scratch, region);
    }
}

}  // namespace

void composeDisplacement(const GpuArguments& arguments, const GpuGridRegion& region) {
    static const bool eightLanes = __builtin_cpu_supports("avx2");
    composeOnThisProcessor(arguments, region, eightLanes);
}

void composeDisplacementInFourLanes(const GpuArguments& arguments, const GpuGridRegion& region) {
    composeOnThisProcessor(arguments, region, false);
}

PackedFloat2 composeDisplacementTexel(const CompositionUniforms& uniforms, const GpuTexture& field, std::int64_t x,
                                      std::int64_t y) {
    const float radiusSquared = uniforms.radius * uniforms.radius;
    const FieldView view(field);
    switch (static_cast<CompositionToolCode>(uniforms.tool)) {
    case CompositionToolCode::push:
        return composedTexel<CompositionToolCode::push>(uniforms, radiusSquared, view, x, y);
    case CompositionToolCode::grow:
        return composedTexel<CompositionToolCode::grow>(uniforms, radiusSquared, view, x, y);
    case CompositionToolCode::shrink:
        return composedTexel<CompositionToolCode::shrink>(uniforms, radiusSquared, view, x, y);
    case CompositionToolCode::reconstruct:
        return composedTexel<CompositionToolCode::reconstruct>(uniforms, radiusSquared, view, x, y);
    }
    return view.at(x, y);
}

float brushFalloffWeight(float distanceSquared, float radius, float intensity) {
    const float radiusSquared = radius * radius;
    if (!(distanceSquared < radiusSquared)) return kZero;
    return falloffWeight(distanceSquared, radiusSquared, intensity);
}

}  // namespace vlt
