#pragma once

#include <cstdint>

namespace vlt {

struct GpuOrigin {
    std::int64_t x = 0;
    std::int64_t y = 0;

    friend bool operator==(const GpuOrigin&, const GpuOrigin&) = default;
};

struct GpuSize {
    std::int64_t width = 0;
    std::int64_t height = 0;

    friend bool operator==(const GpuSize&, const GpuSize&) = default;
};

// A rectangle of texels: the origin is its top-left texel.
struct GpuRegion {
    GpuOrigin origin;
    GpuSize size;

    friend bool operator==(const GpuRegion&, const GpuRegion&) = default;

    bool isEmpty() const { return size.width <= 0 || size.height <= 0; }
    bool fitsInside(std::int64_t width, std::int64_t height) const {
        return origin.x >= 0 && origin.y >= 0 && size.width >= 0 && size.height >= 0 &&
               origin.x + size.width <= width && origin.y + size.height <= height;
    }
};

}  // namespace vlt
