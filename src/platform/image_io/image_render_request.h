#pragma once

#include <cstdint>

#include "platform/image_io/image_orientation.h"

namespace vlt {

// One decode of a source into an upright, cropped, scaled sRGB image.
struct ImageRenderRequest {
    // The orientation stored in the file, applied first.
    ImageOrientation encodedOrientation;
    // The user's turns and mirror, applied after it.
    ImageOrientation userOrientation;
    // In the picture as both orientations leave it.
    PixelRect crop;
    // The crop is stretched onto exactly this size, each axis by its own factor.
    std::int64_t outputWidth = 0;
    std::int64_t outputHeight = 0;
};

}  // namespace vlt
