#include "editing/engine/deformation_history.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace vlt {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Stands in for the GPU displacement field: two floats per texel, read back and
// written in the snapshot layout.
class InMemoryField {
public:
    InMemoryField(std::int64_t width, std::int64_t height)
        : width_(width), texels_(static_cast<std::size_t>(width * height * 2), 0.0f) {}

    // Leaves a recognisable, stamp-dependent mark on every pixel the stamp can touch.
    void compose(const BrushStamp& stamp, std::int64_t height) {
        const PixelRegion region = stamp.affectedRegion(width_, height);
        for (std::int64_t y = region.y; y < region.y + region.height; ++y) {
            for (std::int64_t x = region.x; x < region.x + region.width; ++x) {
                float* texel = at(x, y);
                if (stamp.tool == DeformationTool::reconstruct) {
                    texel[0] = 0.0f;
                    texel[1] = 0.0f;
                } else {
                    texel[0] += stamp.center.x * 0.01f + 1.0f;
                    texel[1] -= stamp.radius * 0.5f;
                }
            }
        }
    }

    std::vector<DeformationTileSnapshot> readTiles(const std::vector<PixelRegion>& regions) const {
        std::vector<DeformationTileSnapshot> snapshots;
        for (const PixelRegion& region : regions) {
            DeformationTileSnapshot snapshot{region, Bytes(static_cast<std::size_t>(region.pixelCount() * 8))};
            const std::size_t rowBytes = static_cast<std::size_t>(region.width * 8);
            for (std::int64_t row = 0; row < region.height; ++row) {
                std::memcpy(snapshot.bytes.data() + row * rowBytes, at(region.x, region.y + row), rowBytes);
            }
            snapshots.push_back(std::move(snapshot));
        }
        return snapshots;
    }

    void upload(const std::vector<DeformationTileUpload>& tiles) {
        for (const DeformationTileUpload& tile : tiles) {
            const std::size_t rowBytes = static_cast<std::size_t>(tile.region.width * 8);
            for (std::int64_t row = 0; row < tile.region.height; ++row) {
                float* destination = at(tile.region.x, tile.region.y + row);
                if (tile.bytes) {
                    ASSERT_EQ(tile.bytes->size(), rowBytes * static_cast<std::size_t>(tile.region.height));
                    std::memcpy(destination, tile.bytes->data() + row * rowBytes, rowBytes);
                } else {
                    std::memset(destination, 0, rowBytes);
                }
            }
        }
    }

    Bytes bytes() const {
        Bytes copy(texels_.size() * sizeof(float));
        std::memcpy(copy.data(), texels_.data(), copy.size());
        return copy;
    }

private:
    float* at(std::int64_t x, std::int64_t y) { return &texels_[static_cast<std::size_t>((y * width_ + x) * 2)]; }
    const float* at(std::int64_t x, std::int64_t y) const {
        return &texels_[static_cast<std::size_t>((y * width_ + x) * 2)];
    }

    std::int64_t width_;
    std::vector<float> texels_;
};

BrushStamp grow(float x, float y, float radius) { return {DeformationTool::grow, {x, y}, {}, radius, 1.0f}; }

BrushStamp reconstruct(float x, float y, float radius) {
    return {DeformationTool::reconstruct, {x, y}, {}, radius, 1.0f};
}

// Drives history and field the way the canvas does: compose, read back, commit.
class DeformationHistoryTest : public ::testing::Test {
protected:
    static constexpr std::int64_t kWidth = 300;
    static constexpr std::int64_t kHeight = 200;

    DeformationUndoStatePtr stroke(const std::vector<BrushStamp>& stamps) {
        for (const BrushStamp& stamp : stamps) {
            field.compose(stamp, kHeight);
        }
        return history.commit(field.readTiles(history.tileRegions(stamps)));
    }

    void swapAndUpload(const DeformationUndoStatePtr& state) { field.upload(history.swap(state->tiles)); }

    DeformationHistory history{kWidth, kHeight};
    InMemoryField field{kWidth, kHeight};
};

// Tiles of the last column and row are clipped to the canvas.
TEST_F(DeformationHistoryTest, TouchedTilesComeOnceEachInRowMajorOrder) {
    EXPECT_EQ(history.tileRegions({grow(150, 100, 400)}), (std::vector<PixelRegion>{{0, 0, 128, 128},
                                                                                    {128, 0, 128, 128},
                                                                                    {256, 0, 44, 128},
                                                                                    {0, 128, 128, 72},
                                                                                    {128, 128, 128, 72},
                                                                                    {256, 128, 44, 72}}));
    EXPECT_EQ(history.tileRegions({grow(60, 160, 5), grow(200, 60, 5), grow(61, 161, 5)}),
              (std::vector<PixelRegion>{{128, 0, 128, 128}, {0, 128, 128, 72}}));
    EXPECT_EQ(history.tileRegions({grow(127.5f, 60, 10)}),
              (std::vector<PixelRegion>{{0, 0, 128, 128}, {128, 0, 128, 128}}));
    EXPECT_TRUE(history.tileRegions({}).empty());
    EXPECT_TRUE(history.tileRegions({grow(-50, -50, 5)}).empty());
}

TEST_F(DeformationHistoryTest, CommittingUnchangedTilesMakesNoUndoState) {
    EXPECT_EQ(history.commit({}), nullptr);
    EXPECT_EQ(history.commit(field.readTiles({{0, 0, 128, 128}})), nullptr);
    EXPECT_EQ(history.committedTileCount(), 0u);

    ASSERT_NE(stroke({grow(10, 10, 4)}), nullptr);
    EXPECT_EQ(history.commit(field.readTiles({{0, 0, 128, 128}})), nullptr);
    EXPECT_EQ(history.committedTileCount(), 1u);
}

TEST_F(DeformationHistoryTest, UndoAndRedoRestoreTheFieldByteForByte) {
    const Bytes empty = field.bytes();
    const DeformationUndoStatePtr first = stroke({grow(100, 100, 40), grow(140, 110, 40)});
    const Bytes afterFirst = field.bytes();
    const DeformationUndoStatePtr second = stroke({grow(130, 120, 60)});
    const Bytes afterSecond = field.bytes();
    const DeformationUndoStatePtr third = stroke({grow(290, 190, 8)});
    const Bytes afterThird = field.bytes();
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(third->tiles.size(), 1u);

    swapAndUpload(third);
    EXPECT_EQ(field.bytes(), afterSecond);
    swapAndUpload(second);
    EXPECT_EQ(field.bytes(), afterFirst);
    swapAndUpload(first);
    EXPECT_EQ(field.bytes(), empty);
    EXPECT_EQ(history.committedTileCount(), 0u);

    swapAndUpload(first);
    EXPECT_EQ(field.bytes(), afterFirst);
    swapAndUpload(second);
    EXPECT_EQ(field.bytes(), afterSecond);
    swapAndUpload(third);
    EXPECT_EQ(field.bytes(), afterThird);
    history.reset();
    EXPECT_EQ(history.committedTileCount(), 0u);
}

TEST_F(DeformationHistoryTest, ReconstructingATileToZeroDropsItFromTheMirror) {
    ASSERT_NE(stroke({grow(64, 64, 30)}), nullptr);
    const Bytes edited = *history.committedBytes({0, 0});

    const DeformationUndoStatePtr reconstructed = stroke({reconstruct(64, 64, 60)});
    ASSERT_NE(reconstructed, nullptr);
    EXPECT_EQ(history.committedBytes({0, 0}), nullptr);
    ASSERT_EQ(reconstructed->tiles.size(), 1u);
    EXPECT_EQ(reconstructed->tiles[0].alternate, edited);

    swapAndUpload(reconstructed);
    EXPECT_EQ(*history.committedBytes({0, 0}), edited);
    EXPECT_EQ(field.readTiles({{0, 0, 128, 128}})[0].bytes, edited);
}

TEST_F(DeformationHistoryTest, RestoringTilesUndoesAnUncommittedStroke) {
    ASSERT_NE(stroke({grow(120, 120, 30)}), nullptr);
    const Bytes committed = field.bytes();

    const std::vector<BrushStamp> open = {grow(130, 125, 50), grow(260, 20, 10)};
    for (const BrushStamp& stamp : open) {
        field.compose(stamp, kHeight);
    }
    ASSERT_NE(field.bytes(), committed);

    const std::vector<DeformationTileUpload> restore = history.restoreTiles(open);
    ASSERT_EQ(restore.size(), 5u);
    EXPECT_TRUE(restore[0].bytes.has_value());
    EXPECT_FALSE(restore[2].bytes.has_value());
    field.upload(restore);
    EXPECT_EQ(field.bytes(), committed);
}

TEST(DeformationHistoryDeathTest, RefusesSnapshotsThatDoNotMatchTheirTile) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    DeformationHistory history(300, 200);
    const Bytes shortBytes(10, 1);
    EXPECT_DEATH((void)history.commit({{{0, 0, 128, 128}, shortBytes}}), "every texel");
    EXPECT_DEATH((void)history.commit({{{0, 0, 64, 64}, Bytes(64 * 64 * 8, 1)}}), "exactly one tile");
    const DeformationTileSnapshot tile{{0, 0, 128, 128}, Bytes(128 * 128 * 8, 1)};
    EXPECT_DEATH((void)history.commit({tile, tile}), "each tile once");
}

}  // namespace
}  // namespace vlt
