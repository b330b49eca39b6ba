#include "platform/gpu/gpu_color_store.h"

#include <cstring>

#include "platform/gpu/srgb_transfer.h"

namespace vlt {

namespace {

struct Rgba8 {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t alpha;
};

Rgba8 premultipliedCodes(const GpuFloat4& color) {
    const std::uint8_t alpha = SrgbTransfer::alphaCode(color.w);
    return {SrgbTransfer::premultiply(SrgbTransfer::encode(color.x), alpha),
            SrgbTransfer::premultiply(SrgbTransfer::encode(color.y), alpha),
            SrgbTransfer::premultiply(SrgbTransfer::encode(color.z), alpha), alpha};
}

void writeTexel(GpuPixelFormat format, const GpuFloat4& color, std::uint8_t* texel) {
    switch (format) {
    case GpuPixelFormat::rg32Float:
        std::memcpy(texel, &color.x, sizeof(float));
        std::memcpy(texel + sizeof(float), &color.y, sizeof(float));
        return;
    case GpuPixelFormat::rgba8UnormSrgb: {
        const Rgba8 codes = premultipliedCodes(color);
        texel[0] = codes.red;
        texel[1] = codes.green;
        texel[2] = codes.blue;
        texel[3] = codes.alpha;
        return;
    }
    case GpuPixelFormat::bgra8UnormSrgb: {
        const Rgba8 codes = premultipliedCodes(color);
        texel[0] = codes.blue;
        texel[1] = codes.green;
        texel[2] = codes.red;
        texel[3] = codes.alpha;
        return;
    }
    }
}

}  // namespace

std::array<std::uint8_t, GpuColorStore::kMaximumTexelBytes> GpuColorStore::encode(GpuPixelFormat format,
                                                                                  const GpuFloat4& color) {
    std::array<std::uint8_t, kMaximumTexelBytes> texel{};
    writeTexel(format, color, texel.data());
    return texel;
}

void GpuColorStore::store(GpuPixelFormat format, const GpuFloat4* colors, std::int64_t count,
                          std::uint8_t* destination) {
    const std::int64_t texelBytes = bytesPerPixel(format);
    // Runs of one colour (backgrounds, flat areas) are encoded once.
    GpuFloat4 previous{};
    std::array<std::uint8_t, kMaximumTexelBytes> encoded{};
    bool hasPrevious = false;
    for (std::int64_t i = 0; i < count; ++i) {
        const GpuFloat4& color = colors[i];
        if (!hasPrevious || !(color == previous)) {
            writeTexel(format, color, encoded.data());
            previous = color;
            hasPrevious = true;
        }
        std::memcpy(destination + i * texelBytes, encoded.data(), static_cast<std::size_t>(texelBytes));
    }
}

}  // namespace vlt
