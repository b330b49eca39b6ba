#pragma once

#include <array>
#include <cstdint>

#include "platform/gpu/gpu_float4.h"
#include "platform/gpu/gpu_pixel_format.h"

namespace vlt {

// How render passes write linear, straight-alpha colours into targets. The 8-bit
// sRGB formats hold colours premultiplied in encoded space (the layout window
// systems and QImage's premultiplied formats expect): each colour is encoded to its
// nearest sRGB code and then scaled by the 8-bit alpha. An opaque colour therefore
// stores exactly its encoded code. RG32Float keeps the first two components.
class GpuColorStore {
public:
    static constexpr std::int64_t kMaximumTexelBytes = 8;

    static std::array<std::uint8_t, kMaximumTexelBytes> encode(GpuPixelFormat format, const GpuFloat4& color);

    // Writes count colours as consecutive texels starting at destination.
    static void store(GpuPixelFormat format, const GpuFloat4* colors, std::int64_t count, std::uint8_t* destination);
    // Writes one colour count times.
    static void fill(GpuPixelFormat format, const GpuFloat4& color, std::int64_t count, std::uint8_t* destination);
};

}  // namespace vlt
