#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "editing/engine/pixel_region.h"

namespace vlt {

// One tile of a stroke's undo state: the version of its bytes that is not
// currently in the field, exchanged with the history's mirror on every undo and redo.
struct TileVersion {
    PixelRegion region;
    // Snapshot layout; absent means an all-zero tile.
    std::optional<std::vector<std::uint8_t>> alternate;

    friend bool operator==(const TileVersion&, const TileVersion&) = default;
};

}  // namespace vlt
