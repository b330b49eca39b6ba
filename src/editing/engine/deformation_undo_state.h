#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "editing/engine/tile_version.h"

namespace vlt {

// The tiles changed by one stroke. Shared by reference between the action history
// and whoever carries out an undo or redo: swapping rewrites the versions in place,
// so the same object serves every later undo and redo of that stroke.
class DeformationUndoState {
public:
    DeformationUndoState() = default;
    explicit DeformationUndoState(std::vector<TileVersion> changedTiles) : tiles(std::move(changedTiles)) {}

    DeformationUndoState(const DeformationUndoState&) = delete;
    DeformationUndoState& operator=(const DeformationUndoState&) = delete;

    std::vector<TileVersion> tiles;
};

using DeformationUndoStatePtr = std::shared_ptr<DeformationUndoState>;

}  // namespace vlt
