#pragma once

#include <cstdint>

namespace vlt {

// A summary of the displacement field that lets drawing skip sampling where the
// field is zero: one byte per 128 × 128 tile, row-major, 0 when every texel of the
// tile is zero and 1 when it may not be. Only a 0 must be exact.
inline constexpr std::int64_t kOccupancyTileSize = 128;
inline constexpr std::uint8_t kOccupancyZero = 0;
inline constexpr std::uint8_t kOccupancyMaybeNonZero = 1;

constexpr std::int64_t occupancyColumns(std::int64_t fieldWidth) {
    return (fieldWidth + kOccupancyTileSize - 1) / kOccupancyTileSize;
}

constexpr std::int64_t occupancyRows(std::int64_t fieldHeight) {
    return (fieldHeight + kOccupancyTileSize - 1) / kOccupancyTileSize;
}

}  // namespace vlt
