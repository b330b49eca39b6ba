#include "import/image_size.h"

#include <algorithm>
#include <cmath>

#include "base/precondition.h"

namespace vlt {

ImageSize ImageSize::fitting(std::int64_t maxDimension) const {
    VLT_PRECONDITION(maxDimension >= 1, "the maximum canvas side is at least 1");
    const std::int64_t longer = std::max(width, height);
    if (maxDimension >= longer) return *this;

    const double scale = double(maxDimension) / double(longer);
    if (width >= height) {
        return {maxDimension, std::max<std::int64_t>(std::llround(scale * double(height)), 1)};
    }
    return {std::max<std::int64_t>(std::llround(scale * double(width)), 1), maxDimension};
}

}  // namespace vlt
