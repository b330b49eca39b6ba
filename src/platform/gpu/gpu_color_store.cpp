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

namespace {

constexpr std::uint8_t kOpaqueCode = 255;

// 8-bit targets; the template arguments are the byte positions of red and blue.
template <int RedByte, int BlueByte>
void storeEightBit(const GpuFloat4* colors, std::int64_t count, std::uint8_t* destination) {
    const SrgbTransfer::EncodeTables& tables = SrgbTransfer::encodeTables();
    GpuFloat4 previous{};
    std::array<std::uint8_t, 4> packed{};
    bool hasPrevious = false;
    for (std::int64_t i = 0; i < count; ++i) {
        const GpuFloat4& c = colors[i];
        // Runs of one colour (backgrounds, flat areas) are encoded once.
        const bool repeated = hasPrevious && c.x == previous.x && c.y == previous.y && c.z == previous.z &&
                              c.w == previous.w;
        if (!repeated) {
            const std::uint8_t alpha = SrgbTransfer::alphaCode(c.w);
            std::uint8_t red = SrgbTransfer::encode(c.x, tables);
            std::uint8_t green = SrgbTransfer::encode(c.y, tables);
            std::uint8_t blue = SrgbTransfer::encode(c.z, tables);
            if (alpha != kOpaqueCode) {
                red = SrgbTransfer::premultiply(red, alpha);
                green = SrgbTransfer::premultiply(green, alpha);
                blue = SrgbTransfer::premultiply(blue, alpha);
            }
            packed[RedByte] = red;
            packed[1] = green;
            packed[BlueByte] = blue;
            packed[3] = alpha;
            previous = c;
            hasPrevious = true;
        }
        std::memcpy(destination + i * 4, packed.data(), 4);
    }
}

}  // namespace

void GpuColorStore::fill(GpuPixelFormat format, const GpuFloat4& color, std::int64_t count,
                         std::uint8_t* destination) {
    const auto texel = encode(format, color);
    const std::int64_t texelBytes = bytesPerPixel(format);
    if (texelBytes == 4) {
        for (std::int64_t i = 0; i < count; ++i) std::memcpy(destination + i * 4, texel.data(), 4);
        return;
    }
    for (std::int64_t i = 0; i < count; ++i) std::memcpy(destination + i * 8, texel.data(), 8);
}

void GpuColorStore::store(GpuPixelFormat format, const GpuFloat4* colors, std::int64_t count,
                          std::uint8_t* destination) {
    if (format == GpuPixelFormat::bgra8UnormSrgb) return storeEightBit<2, 0>(colors, count, destination);
    if (format == GpuPixelFormat::rgba8UnormSrgb) return storeEightBit<0, 2>(colors, count, destination);
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
