#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace vlt {

// Side of a history tile in canvas pixels. Tiles in the last column or row of a
// canvas may be narrower or lower.
inline constexpr std::int64_t kDeformationTileSize = 128;

// Column and row of a history tile (pixel coordinate divided by the tile size).
// Ordered row-major: top to bottom, then left to right.
struct TileKey {
    std::int64_t x = 0;
    std::int64_t y = 0;

    friend bool operator==(const TileKey&, const TileKey&) = default;

    friend bool operator<(const TileKey& a, const TileKey& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }
};

}  // namespace vlt

template <>
struct std::hash<vlt::TileKey> {
    std::size_t operator()(const vlt::TileKey& key) const noexcept {
        const std::size_t hx = std::hash<std::int64_t>{}(key.x);
        const std::size_t hy = std::hash<std::int64_t>{}(key.y);
        return hx ^ (hy + 0x9e3779b97f4a7c15ULL + (hx << 6) + (hx >> 2));
    }
};
