#include <random>

#include <gtest/gtest.h>

#include "editing/renderer/scissor_pieces.h"

namespace vlt {
namespace {

bool inside(const GpuScissorRect& rect, std::int64_t x, std::int64_t y) {
    return x >= rect.x && x < rect.x + rect.width && y >= rect.y && y < rect.y + rect.height;
}

TEST(ScissorPiecesTest, CoverTheAreaOutsideTheHolesExactlyOnce) {
    std::mt19937 random(5);
    std::uniform_int_distribution<std::int64_t> coordinate(-5, 40);
    std::uniform_int_distribution<std::int64_t> extent(0, 25);
    for (int trial = 0; trial < 300; ++trial) {
        const GpuScissorRect area{coordinate(random), coordinate(random), extent(random), extent(random)};
        ScissorPieces pieces(area);
        std::vector<GpuScissorRect> holes(static_cast<std::size_t>(trial % 4));
        for (GpuScissorRect& hole : holes) {
            hole = {coordinate(random), coordinate(random), extent(random), extent(random)};
            pieces.cut(hole);
        }
        ASSERT_TRUE(pieces.isCut());
        for (std::int64_t y = -6; y < 70; ++y) {
            for (std::int64_t x = -6; x < 70; ++x) {
                int covering = 0;
                for (std::size_t i = 0; i < pieces.size(); ++i) covering += inside(pieces[i], x, y) ? 1 : 0;
                bool expected = inside(area, x, y);
                for (const GpuScissorRect& hole : holes) expected = expected && !inside(hole, x, y);
                ASSERT_EQ(covering, expected ? 1 : 0) << trial << ": " << x << "," << y;
            }
        }
    }
}

TEST(ScissorPiecesTest, KeepsTheAreaWholeWhenThePiecesWouldNotFit) {
    ScissorPieces pieces({0, 0, 1000, 1000});
    for (std::int64_t i = 0; i < 40; ++i) pieces.cut({i * 20 + 5, i * 20 + 5, 3, 3});
    EXPECT_FALSE(pieces.isCut());
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0], (GpuScissorRect{0, 0, 1000, 1000}));
}

}  // namespace
}  // namespace vlt
