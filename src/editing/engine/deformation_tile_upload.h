#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "editing/engine/pixel_region.h"

namespace vlt {

// A rectangle of the displacement field to write, in the snapshot layout.
struct DeformationTileUpload {
    PixelRegion region;
    // Absent means an all-zero rectangle.
    std::optional<std::vector<std::uint8_t>> bytes;

    friend bool operator==(const DeformationTileUpload&, const DeformationTileUpload&) = default;
};

}  // namespace vlt
