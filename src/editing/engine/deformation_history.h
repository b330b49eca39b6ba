#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "editing/engine/brush_stamp.h"
#include "editing/engine/deformation_tile_snapshot.h"
#include "editing/engine/deformation_tile_upload.h"
#include "editing/engine/deformation_undo_state.h"
#include "editing/engine/pixel_region.h"
#include "editing/engine/tile_key.h"
#include "editing/engine/tile_version.h"

namespace vlt {

// Undo and redo of brush strokes by tiles of the displacement field. The history
// keeps a CPU mirror of the committed field holding only the tiles with at least
// one non-zero byte, so memory grows with the edited area alone. It never touches
// the field itself: snapshots come in, uploads go out.
class DeformationHistory {
public:
    // The canvas size in pixels.
    DeformationHistory(std::int64_t width, std::int64_t height);

    std::int64_t width() const { return width_; }
    std::int64_t height() const { return height_; }

    // The canvas rectangle that a tile covers; tiles of the last column or row may
    // be narrower or lower.
    PixelRegion tileRegion(TileKey key) const;

    // Every tile that any stamp's affected region touches, once each, in key order.
    std::vector<PixelRegion> tileRegions(const std::vector<BrushStamp>& stamps) const;

    // Takes the tiles read back after a stroke, updates the mirror and returns the
    // former versions of the tiles that changed; null when none changed.
    DeformationUndoStatePtr commit(const std::vector<DeformationTileSnapshot>& snapshots);

    // Exchanges each stored version with the mirror (undo and redo alike) and
    // returns what to write into the field, in the same order. Swapping the same
    // tiles twice restores the first situation exactly.
    std::vector<DeformationTileUpload> swap(std::vector<TileVersion>& tiles);

    // The committed contents of every tile an uncommitted stroke touched; writing
    // them into the field undoes all of its stamps.
    std::vector<DeformationTileUpload> restoreTiles(const std::vector<BrushStamp>& stamps) const;

    // Forgets every committed tile; the caller clears the field alongside.
    void reset() { mirror_.clear(); }

    // The committed bytes of a tile; null for an all-zero tile.
    const std::vector<std::uint8_t>* committedBytes(TileKey key) const;
    std::size_t committedTileCount() const { return mirror_.size(); }

private:
    TileKey keyOf(const PixelRegion& region) const;
    std::size_t expectedByteCount(const PixelRegion& region) const;
    void store(TileKey key, std::optional<std::vector<std::uint8_t>> bytes);

    std::int64_t width_;
    std::int64_t height_;
    std::unordered_map<TileKey, std::vector<std::uint8_t>> mirror_;
};

}  // namespace vlt
