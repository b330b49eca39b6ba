#include "platform/gpu/gpu_color_store.h"

#include <cstring>

#include "platform/gpu/srgb_transfer.h"

namespace vlt {

namespace {

constexpr std::uint8_t kOpaqueCode = 255;
constexpr std::size_t kEightBitTexelBytes = 4;
constexpr std::size_t kFloatTexelBytes = 8;

// The byte positions of red and blue in the two 8-bit layouts; green and alpha
// sit at 1 and 3 in both.
struct ByteOrder {
    int red;
    int blue;
};

constexpr ByteOrder kRgbaOrder{0, 2};
constexpr ByteOrder kBgraOrder{2, 0};

void packEightBit(const GpuFloat4& color, const SrgbTransfer::EncodeTables& tables, ByteOrder order,
                  std::uint8_t* texel) {
    // Opaque colours, nearly all of them, need no rounding.
    const std::uint8_t alpha = color.w >= 1.0f ? kOpaqueCode : SrgbTransfer::alphaCode(color.w);
    std::uint8_t red = SrgbTransfer::encode(color.x, tables);
    std::uint8_t green = SrgbTransfer::encode(color.y, tables);
    std::uint8_t blue = SrgbTransfer::encode(color.z, tables);
    if (alpha != kOpaqueCode) {
        red = SrgbTransfer::premultiply(red, alpha);
        green = SrgbTransfer::premultiply(green, alpha);
        blue = SrgbTransfer::premultiply(blue, alpha);
    }
    texel[order.red] = red;
    texel[1] = green;
    texel[order.blue] = blue;
    texel[3] = alpha;
}

void packFloat(const GpuFloat4& color, std::uint8_t* texel) {
    std::memcpy(texel, &color.x, sizeof(float));
    std::memcpy(texel + sizeof(float), &color.y, sizeof(float));
}

template <ByteOrder Order>
void storeEightBit(const GpuFloat4* colors, std::int64_t count, std::uint8_t* destination) {
    const SrgbTransfer::EncodeTables& tables = SrgbTransfer::encodeTables();
    GpuFloat4 previous{};
    std::array<std::uint8_t, kEightBitTexelBytes> packed{};
    bool hasPrevious = false;
    for (std::int64_t i = 0; i < count; ++i) {
        const GpuFloat4& c = colors[i];
        // Runs of one colour (flat areas, grid rows) are encoded once.
        const bool repeated =
            hasPrevious && c.x == previous.x && c.y == previous.y && c.z == previous.z && c.w == previous.w;
        if (!repeated) {
            packEightBit(c, tables, Order, packed.data());
            previous = c;
            hasPrevious = true;
        }
        std::memcpy(destination + i * static_cast<std::int64_t>(kEightBitTexelBytes), packed.data(),
                    kEightBitTexelBytes);
    }
}

template <std::size_t TexelBytes>
void repeat(const std::uint8_t* texel, std::int64_t count, std::uint8_t* destination) {
    for (std::int64_t i = 0; i < count; ++i) {
        std::memcpy(destination + i * static_cast<std::int64_t>(TexelBytes), texel, TexelBytes);
    }
}

}  // namespace

std::array<std::uint8_t, GpuColorStore::kMaximumTexelBytes> GpuColorStore::encode(GpuPixelFormat format,
                                                                                  const GpuFloat4& color) {
    std::array<std::uint8_t, kMaximumTexelBytes> texel{};
    switch (format) {
    case GpuPixelFormat::rg32Float:
        packFloat(color, texel.data());
        break;
    case GpuPixelFormat::rgba8UnormSrgb:
        packEightBit(color, SrgbTransfer::encodeTables(), kRgbaOrder, texel.data());
        break;
    case GpuPixelFormat::bgra8UnormSrgb:
        packEightBit(color, SrgbTransfer::encodeTables(), kBgraOrder, texel.data());
        break;
    }
    return texel;
}

void GpuColorStore::fill(GpuPixelFormat format, const GpuFloat4& color, std::int64_t count, std::uint8_t* destination) {
    const auto texel = encode(format, color);
    if (bytesPerPixel(format) == static_cast<std::int64_t>(kEightBitTexelBytes)) {
        repeat<kEightBitTexelBytes>(texel.data(), count, destination);
    } else {
        repeat<kFloatTexelBytes>(texel.data(), count, destination);
    }
}

void GpuColorStore::store(GpuPixelFormat format, const GpuFloat4* colors, std::int64_t count,
                          std::uint8_t* destination) {
    switch (format) {
    case GpuPixelFormat::bgra8UnormSrgb:
        return storeEightBit<kBgraOrder>(colors, count, destination);
    case GpuPixelFormat::rgba8UnormSrgb:
        return storeEightBit<kRgbaOrder>(colors, count, destination);
    case GpuPixelFormat::rg32Float:
        for (std::int64_t i = 0; i < count; ++i) {
            packFloat(colors[i], destination + i * static_cast<std::int64_t>(kFloatTexelBytes));
        }
        return;
    }
}

}  // namespace vlt
