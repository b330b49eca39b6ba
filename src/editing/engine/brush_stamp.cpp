#include "editing/engine/brush_stamp.h"

#include <algorithm>
#include <cmath>

namespace vlt {

namespace {

// Bounds are clamped to just outside the canvas before the integer conversion, so a
// far-away or huge dab cannot overflow the conversion; the clipped result is the same.
std::int64_t clampedBound(double value, std::int64_t extent) {
    const double lowest = -1.0;
    const double highest = static_cast<double>(extent);
    return static_cast<std::int64_t>(std::clamp(value, lowest, highest));
}

}  // namespace

PixelRegion BrushStamp::affectedRegion(std::int64_t width, std::int64_t height) const {
    const float minXf = std::floor(center.x - radius);
    const float minYf = std::floor(center.y - radius);
    const float maxXf = std::ceil(center.x + radius);
    const float maxYf = std::ceil(center.y + radius);
    const bool finite = std::isfinite(minXf) && std::isfinite(minYf) && std::isfinite(maxXf) && std::isfinite(maxYf);
    if (!finite || width <= 0 || height <= 0) {
        return {};
    }

    const std::int64_t x0 = std::max<std::int64_t>(clampedBound(minXf, width), 0);
    const std::int64_t y0 = std::max<std::int64_t>(clampedBound(minYf, height), 0);
    const std::int64_t x1 = std::min<std::int64_t>(width - 1, clampedBound(maxXf, width));
    const std::int64_t y1 = std::min<std::int64_t>(height - 1, clampedBound(maxYf, height));
    if (x1 < x0 || y1 < y0) {
        return {};
    }
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

}  // namespace vlt
