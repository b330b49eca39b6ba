#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vlt {

// The texel layouts the compute layer knows. The two 8-bit formats are sRGB
// encoded: shaders read them as linear values and stores encode linear values.
enum class GpuPixelFormat : std::uint32_t {
    rg32Float,
    rgba8UnormSrgb,
    bgra8UnormSrgb,
};

constexpr std::int64_t bytesPerPixel(GpuPixelFormat format) {
    switch (format) {
    case GpuPixelFormat::rg32Float:
        return 8;
    case GpuPixelFormat::rgba8UnormSrgb:
    case GpuPixelFormat::bgra8UnormSrgb:
        return 4;
    }
    return 0;
}

constexpr std::string_view toString(GpuPixelFormat format) {
    switch (format) {
    case GpuPixelFormat::rg32Float:
        return "rg32Float";
    case GpuPixelFormat::rgba8UnormSrgb:
        return "rgba8UnormSrgb";
    case GpuPixelFormat::bgra8UnormSrgb:
        return "bgra8UnormSrgb";
    }
    return "unknown";
}

constexpr std::optional<GpuPixelFormat> gpuPixelFormatFromString(std::string_view text) {
    for (GpuPixelFormat format :
         {GpuPixelFormat::rg32Float, GpuPixelFormat::rgba8UnormSrgb, GpuPixelFormat::bgra8UnormSrgb}) {
        if (toString(format) == text) return format;
    }
    return std::nullopt;
}

}  // namespace vlt
