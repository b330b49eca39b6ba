#include "import/pixel_aligned_crop.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vlt {
namespace {

// Rounds halves away from zero; values beyond the 64-bit range saturate, so a
// pathological rectangle still clamps into the image instead of overflowing.
std::int64_t roundedPixel(double value) {
    constexpr double kLimit = 9.0e18;
    if (std::isnan(value)) return 0;
    if (value >= kLimit) return std::numeric_limits<std::int64_t>::max() / 2;
    if (value <= -kLimit) return std::numeric_limits<std::int64_t>::min() / 2;
    return std::llround(value);
}

std::int64_t clamped(std::int64_t value, std::int64_t low, std::int64_t high) {
    return std::min(std::max(value, low), high);
}

}  // namespace

PixelAlignedCrop PixelAlignedCrop::fromRect(const ImageRect& rect, ImageSize imageSize) {
    const std::int64_t x0 = clamped(roundedPixel(rect.x), 0, imageSize.width);
    const std::int64_t y0 = clamped(roundedPixel(rect.y), 0, imageSize.height);
    const std::int64_t x1 = std::min(std::max(x0 + 1, roundedPixel(rect.x + rect.width)), imageSize.width);
    const std::int64_t y1 = std::min(std::max(y0 + 1, roundedPixel(rect.y + rect.height)), imageSize.height);
    return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace vlt
