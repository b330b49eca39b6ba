#include "editing/engine/deformation_history.h"

#include <algorithm>
#include <set>
#include <unordered_set>
#include <utility>

#include "base/precondition.h"

namespace vlt {

namespace {

bool isAllZero(const std::vector<std::uint8_t>& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte == 0; });
}

}  // namespace

DeformationHistory::DeformationHistory(std::int64_t width, std::int64_t height) : width_(width), height_(height) {
    VLT_PRECONDITION(width >= 0 && height >= 0, "a canvas size cannot be negative");
}

PixelRegion DeformationHistory::tileRegion(TileKey key) const {
    const std::int64_t x = key.x * kDeformationTileSize;
    const std::int64_t y = key.y * kDeformationTileSize;
    return {x, y, std::min(width_ - x, kDeformationTileSize), std::min(height_ - y, kDeformationTileSize)};
}

std::vector<PixelRegion> DeformationHistory::tileRegions(const std::vector<BrushStamp>& stamps) const {
    std::set<TileKey> keys;
    for (const BrushStamp& stamp : stamps) {
        const PixelRegion region = stamp.affectedRegion(width_, height_);
        if (!region.hasPixels()) {
            continue;
        }
        const std::int64_t firstColumn = region.x / kDeformationTileSize;
        const std::int64_t firstRow = region.y / kDeformationTileSize;
        const std::int64_t lastColumn = (region.x + region.width - 1) / kDeformationTileSize;
        const std::int64_t lastRow = (region.y + region.height - 1) / kDeformationTileSize;
        for (std::int64_t row = firstRow; row <= lastRow; ++row) {
            for (std::int64_t column = firstColumn; column <= lastColumn; ++column) {
                keys.insert({column, row});
            }
        }
    }

    std::vector<PixelRegion> regions;
    regions.reserve(keys.size());
    for (const TileKey& key : keys) {
        regions.push_back(tileRegion(key));
    }
    return regions;
}

DeformationUndoStatePtr DeformationHistory::commit(const std::vector<DeformationTileSnapshot>& snapshots) {
    // A tile listed twice would give its undo state two versions of one tile, and
    // swapping those would leave the wrong bytes in the field.
    std::unordered_set<TileKey> seen;
    std::vector<TileVersion> changed;
    for (const DeformationTileSnapshot& snapshot : snapshots) {
        const TileKey key = keyOf(snapshot.region);
        VLT_PRECONDITION(snapshot.region == tileRegion(key), "a snapshot must cover exactly one tile");
        VLT_PRECONDITION(snapshot.bytes.size() == expectedByteCount(snapshot.region),
                         "a snapshot must hold every texel of its tile");
        VLT_PRECONDITION(seen.insert(key).second, "a stroke commits each tile once");

        const auto found = mirror_.find(key);
        const bool hadBytes = found != mirror_.end();
        const bool unchanged = hadBytes ? found->second == snapshot.bytes : isAllZero(snapshot.bytes);
        if (unchanged) {
            continue;
        }

        std::optional<std::vector<std::uint8_t>> previous;
        if (hadBytes) {
            previous = std::move(found->second);
            mirror_.erase(found);
        }
        changed.push_back({snapshot.region, std::move(previous)});
        if (!isAllZero(snapshot.bytes)) {
            mirror_.emplace(key, snapshot.bytes);
        }
    }

    if (changed.empty()) {
        return nullptr;
    }
    return std::make_shared<DeformationUndoState>(std::move(changed));
}

std::vector<DeformationTileUpload> DeformationHistory::swap(std::vector<TileVersion>& tiles) {
    std::vector<DeformationTileUpload> uploads;
    uploads.reserve(tiles.size());
    for (TileVersion& version : tiles) {
        const TileKey key = keyOf(version.region);
        std::optional<std::vector<std::uint8_t>> current;
        if (const auto found = mirror_.find(key); found != mirror_.end()) {
            current = std::move(found->second);
            mirror_.erase(found);
        }

        uploads.push_back({version.region, version.alternate});
        std::optional<std::vector<std::uint8_t>> former = std::exchange(version.alternate, std::move(current));
        store(key, std::move(former));
    }
    return uploads;
}

std::vector<DeformationTileUpload> DeformationHistory::restoreTiles(const std::vector<BrushStamp>& stamps) const {
    std::vector<DeformationTileUpload> uploads;
    for (const PixelRegion& region : tileRegions(stamps)) {
        const std::vector<std::uint8_t>* bytes = committedBytes(keyOf(region));
        uploads.push_back({region, bytes ? std::optional(*bytes) : std::nullopt});
    }
    return uploads;
}

const std::vector<std::uint8_t>* DeformationHistory::committedBytes(TileKey key) const {
    const auto found = mirror_.find(key);
    return found == mirror_.end() ? nullptr : &found->second;
}

TileKey DeformationHistory::keyOf(const PixelRegion& region) const {
    VLT_PRECONDITION(region.x >= 0 && region.y >= 0, "tiles lie inside the canvas");
    return {region.x / kDeformationTileSize, region.y / kDeformationTileSize};
}

std::size_t DeformationHistory::expectedByteCount(const PixelRegion& region) const {
    return static_cast<std::size_t>(region.pixelCount() * kDeformationTexelBytes);
}

void DeformationHistory::store(TileKey key, std::optional<std::vector<std::uint8_t>> bytes) {
    if (!bytes || isAllZero(*bytes)) {
        mirror_.erase(key);
        return;
    }
    mirror_.insert_or_assign(key, std::move(*bytes));
}

}  // namespace vlt
