#pragma once

#include <cstdint>

namespace vlt {

// A rectangle of whole canvas pixels.
struct PixelRegion {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;

    friend bool operator==(const PixelRegion&, const PixelRegion&) = default;

    bool hasPixels() const { return width > 0 && height > 0; }
    std::int64_t pixelCount() const { return hasPixels() ? width * height : 0; }
};

}  // namespace vlt
