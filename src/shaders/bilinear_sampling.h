#pragma once

// Inline sampling helpers for the kernel sources, which are all compiled with
// -ffp-contract=off; other code calls the functions of deformation_kernels.h.

#include <cstdint>

#include "platform/gpu/gpu_float4.h"
#include "platform/gpu/gpu_texture.h"
#include "shaders/shader_vector_types.h"

namespace vlt::shading {

inline constexpr float kPixelCentreOffset = 0.5f;
inline constexpr float kZero = 0.0f;
inline constexpr float kOne = 1.0f;
inline constexpr float kCodeMaximum = 255.0f;

// Adding +0 turns −0 into +0 and leaves every other value as it is. Stored field
// values never hold −0, so an all-zero tile is all-zero bytes.
inline float withoutNegativeZero(float value) {
    return value + kZero;
}

// The two texels and the weight of one axis of a bilinear sample with pixel centres
// at integer coordinates and clamp-to-edge addressing.
struct Footprint {
    std::int64_t first = 0;
    std::int64_t second = 0;
    float fraction = 0.0f;
};

inline Footprint footprintAlong(float coordinate, std::int64_t extent) {
    const float last = static_cast<float>(extent - 1);
    // Written so that NaN lands on the first texel instead of an undefined index.
    const float clamped = coordinate > kZero ? (coordinate < last ? coordinate : last) : kZero;
    const auto first = static_cast<std::int64_t>(clamped);
    const std::int64_t second = first + 1 < extent ? first + 1 : first;
    return {first, second, clamped - static_cast<float>(first)};
}

inline float lerp(float a, float b, float t) {
    return a * (kOne - t) + b * t;
}

struct FieldView {
    const std::uint8_t* bytes = nullptr;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t rowBytes = 0;

    explicit FieldView(const GpuTexture& texture)
        : bytes(texture.data()), width(texture.width()), height(texture.height()), rowBytes(texture.rowBytes()) {}

    const PackedFloat2* row(std::int64_t y) const { return reinterpret_cast<const PackedFloat2*>(bytes + y * rowBytes); }
    PackedFloat2 at(std::int64_t x, std::int64_t y) const { return row(y)[x]; }
};

inline PackedFloat2 sampleField(const FieldView& field, const Footprint& fx, const Footprint& fy) {
    const PackedFloat2* top = field.row(fy.first);
    const PackedFloat2* bottom = field.row(fy.second);
    const PackedFloat2 a = top[fx.first];
    const PackedFloat2 b = top[fx.second];
    const PackedFloat2 c = bottom[fx.first];
    const PackedFloat2 d = bottom[fx.second];
    return {lerp(lerp(a.x, b.x, fx.fraction), lerp(c.x, d.x, fx.fraction), fy.fraction),
            lerp(lerp(a.y, b.y, fx.fraction), lerp(c.y, d.y, fx.fraction), fy.fraction)};
}

inline PackedFloat2 sampleField(const FieldView& field, float x, float y) {
    return sampleField(field, footprintAlong(x, field.width), footprintAlong(y, field.height));
}

// An RGBA8 sRGB texture read in linear light.
struct ImageView {
    const std::uint8_t* bytes = nullptr;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t rowBytes = 0;
    const float* decode = nullptr;

    ImageView(const GpuTexture& texture, const float* decodeTable)
        : bytes(texture.data()),
          width(texture.width()),
          height(texture.height()),
          rowBytes(texture.rowBytes()),
          decode(decodeTable) {}

    const std::uint8_t* row(std::int64_t y) const { return bytes + y * rowBytes; }
};

inline constexpr std::int64_t kRgbaBytes = 4;

inline GpuFloat4 texelColor(const ImageView& image, const std::uint8_t* texel) {
    return {image.decode[texel[0]], image.decode[texel[1]], image.decode[texel[2]],
            static_cast<float>(texel[3]) / kCodeMaximum};
}

inline GpuFloat4 lerp(const GpuFloat4& a, const GpuFloat4& b, float t) {
    return {lerp(a.x, b.x, t), lerp(a.y, b.y, t), lerp(a.z, b.z, t), lerp(a.w, b.w, t)};
}

// Filtering straight colours is exact for the opaque canvases the editor works on.
inline GpuFloat4 sampleImageRows(const ImageView& image, const std::uint8_t* top, const std::uint8_t* bottom,
                                 const Footprint& fx, float fractionY) {
    const GpuFloat4 a = texelColor(image, top + fx.first * kRgbaBytes);
    const GpuFloat4 b = texelColor(image, top + fx.second * kRgbaBytes);
    const GpuFloat4 c = texelColor(image, bottom + fx.first * kRgbaBytes);
    const GpuFloat4 d = texelColor(image, bottom + fx.second * kRgbaBytes);
    return lerp(lerp(a, b, fx.fraction), lerp(c, d, fx.fraction), fractionY);
}

inline GpuFloat4 sampleImage(const ImageView& image, float x, float y) {
    const Footprint fx = footprintAlong(x, image.width);
    const Footprint fy = footprintAlong(y, image.height);
    return sampleImageRows(image, image.row(fy.first), image.row(fy.second), fx, fy.fraction);
}

}  // namespace vlt::shading
