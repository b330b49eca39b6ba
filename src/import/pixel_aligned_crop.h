#pragma once

#include <cstdint>

#include "import/image_rect.h"
#include "import/image_size.h"

namespace vlt {

// A crop in whole pixels inside an image.
struct PixelAlignedCrop {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;

    // Rounds the rectangle to whole pixels (halves away from zero) inside imageSize.
    // At least one pixel on each side unless the rounded origin lies on the far edge.
    static PixelAlignedCrop fromRect(const ImageRect& rect, ImageSize imageSize);

    ImageSize size() const { return {width, height}; }

    friend bool operator==(const PixelAlignedCrop&, const PixelAlignedCrop&) = default;
};

}  // namespace vlt
