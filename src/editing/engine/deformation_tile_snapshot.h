#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "editing/engine/pixel_region.h"

namespace vlt {

// Bytes of one field texel: x then y component, each a little-endian 32-bit float.
inline constexpr std::int64_t kDeformationTexelBytes = 8;

// A rectangle of the displacement field copied to the CPU. Rows run top to bottom
// without padding, each texel exactly as the field stores it.
struct DeformationTileSnapshot {
    PixelRegion region;
    // Exactly region.width × region.height × kDeformationTexelBytes bytes.
    std::vector<std::uint8_t> bytes;

    friend bool operator==(const DeformationTileSnapshot&, const DeformationTileSnapshot&) = default;
};

}  // namespace vlt
