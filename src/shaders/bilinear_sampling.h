#pragma once

// Inline sampling helpers for the kernel sources, which are all compiled with
// -ffp-contract=off; other code calls the functions of deformation_kernels.h.

#include <cstdint>
#include <cstring>

#include "platform/gpu/gpu_float4.h"
#include "platform/gpu/gpu_texture.h"
#include "shaders/shader_vector_types.h"

// Sampling sits in the innermost loops; the compiler's size heuristics would
// otherwise keep some of these out of line.
#define VLT_SHADING_INLINE inline __attribute__((always_inline))

namespace vlt::shading {

inline constexpr float kPixelCentreOffset = 0.5f;
inline constexpr float kZero = 0.0f;
inline constexpr float kOne = 1.0f;

// Adding +0 turns −0 into +0 and leaves every other value as it is. Stored field
// values never hold −0, so an all-zero tile is all-zero bytes.
VLT_SHADING_INLINE float withoutNegativeZero(float value) { return value + kZero; }

// The two texels and the weight of one axis of a bilinear sample with pixel centres
// at integer coordinates and clamp-to-edge addressing.
struct Footprint {
    std::int64_t first = 0;
    std::int64_t second = 0;
    float fraction = 0.0f;
};

VLT_SHADING_INLINE Footprint footprintAlong(float coordinate, std::int64_t extent) {
    const float last = static_cast<float>(extent - 1);
    // Written so that NaN lands on the first texel instead of an undefined index.
    const float clamped = coordinate > kZero ? (coordinate < last ? coordinate : last) : kZero;
    const auto first = static_cast<std::int64_t>(clamped);
    const std::int64_t second = first + 1 < extent ? first + 1 : first;
    return {first, second, clamped - static_cast<float>(first)};
}

VLT_SHADING_INLINE float lerp(float a, float b, float t) { return a * (kOne - t) + b * t; }

struct FieldView {
    const std::uint8_t* bytes = nullptr;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t rowBytes = 0;

    explicit FieldView(const GpuTexture& texture)
        : bytes(texture.data()), width(texture.width()), height(texture.height()), rowBytes(texture.rowBytes()) {}

    const PackedFloat2* row(std::int64_t y) const {
        return reinterpret_cast<const PackedFloat2*>(bytes + y * rowBytes);
    }
    PackedFloat2 at(std::int64_t x, std::int64_t y) const { return row(y)[x]; }
};

// Both components of a field texel at once; each lane is the scalar arithmetic.
typedef float Pair __attribute__((vector_size(8)));

VLT_SHADING_INLINE Pair pairAt(const PackedFloat2* row, std::int64_t x) {
    Pair pair;
    std::memcpy(&pair, row + x, sizeof pair);
    return pair;
}

VLT_SHADING_INLINE Pair lerp(Pair a, Pair b, float t) {
    const Pair weightB = {t, t};
    const Pair weightA = Pair{kOne, kOne} - weightB;
    return a * weightA + b * weightB;
}

VLT_SHADING_INLINE PackedFloat2 sampleField(const FieldView& field, const Footprint& fx, const Footprint& fy) {
    const PackedFloat2* top = field.row(fy.first);
    const PackedFloat2* bottom = field.row(fy.second);
    const Pair upper = lerp(pairAt(top, fx.first), pairAt(top, fx.second), fx.fraction);
    const Pair lower = lerp(pairAt(bottom, fx.first), pairAt(bottom, fx.second), fx.fraction);
    const Pair sampled = lerp(upper, lower, fy.fraction);
    return {sampled[0], sampled[1]};
}

VLT_SHADING_INLINE PackedFloat2 sampleField(const FieldView& field, float x, float y) {
    return sampleField(field, footprintAlong(x, field.width), footprintAlong(y, field.height));
}

// An RGBA8 sRGB texture read in linear light: colour codes through the sRGB table,
// alpha codes through a table of code / 255 (exactly the quotient, 255 giving 1).
struct ImageView {
    const std::uint8_t* bytes = nullptr;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t rowBytes = 0;
    const float* decode = nullptr;
    const float* alpha = nullptr;

    ImageView(const GpuTexture& texture, const float* decodeTable, const float* alphaTable)
        : bytes(texture.data()),
          width(texture.width()),
          height(texture.height()),
          rowBytes(texture.rowBytes()),
          decode(decodeTable),
          alpha(alphaTable) {}

    const std::uint8_t* row(std::int64_t y) const { return bytes + y * rowBytes; }
};

inline constexpr std::int64_t kRgbaBytes = 4;

// Four lanes computed at once; each lane is the same IEEE arithmetic as the scalar
// code, so results do not depend on whether the target has vector units.
typedef float Lanes __attribute__((vector_size(16)));

VLT_SHADING_INLINE Lanes texelLanes(const ImageView& image, const std::uint8_t* texel) {
    return Lanes{image.decode[texel[0]], image.decode[texel[1]], image.decode[texel[2]], image.alpha[texel[3]]};
}

VLT_SHADING_INLINE Lanes lerp(Lanes a, Lanes b, float t) {
    const Lanes weightB = {t, t, t, t};
    const Lanes weightA = Lanes{kOne, kOne, kOne, kOne} - weightB;
    return a * weightA + b * weightB;
}

VLT_SHADING_INLINE GpuFloat4 toColor(Lanes lanes) { return {lanes[0], lanes[1], lanes[2], lanes[3]}; }

// Filtering straight colours is exact for the opaque canvases the editor works on.
VLT_SHADING_INLINE GpuFloat4 sampleImageRows(const ImageView& image, const std::uint8_t* top,
                                             const std::uint8_t* bottom, const Footprint& fx, float fractionY) {
    // On a texel centre the other three texels weigh nothing: the texel itself is
    // the exact result, so 1:1 drawing skips the blend.
    if (fx.fraction == kZero && fractionY == kZero) return toColor(texelLanes(image, top + fx.first * kRgbaBytes));
    const Lanes a = texelLanes(image, top + fx.first * kRgbaBytes);
    const Lanes b = texelLanes(image, top + fx.second * kRgbaBytes);
    const Lanes c = texelLanes(image, bottom + fx.first * kRgbaBytes);
    const Lanes d = texelLanes(image, bottom + fx.second * kRgbaBytes);
    return toColor(lerp(lerp(a, b, fx.fraction), lerp(c, d, fx.fraction), fractionY));
}

VLT_SHADING_INLINE GpuFloat4 sampleImage(const ImageView& image, float x, float y) {
    const Footprint fx = footprintAlong(x, image.width);
    const Footprint fy = footprintAlong(y, image.height);
    return sampleImageRows(image, image.row(fy.first), image.row(fy.second), fx, fy.fraction);
}

}  // namespace vlt::shading
