#include "editing/engine/brush_stamp.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "editing/engine/deformation_tool.h"

namespace vlt {
namespace {

BrushStamp stampAt(float x, float y, float radius) {
    return {DeformationTool::grow, {x, y}, {}, radius, 1.0f};
}

TEST(DeformationToolTest, RawValuesAreTheComposeKernelCodes) {
    EXPECT_EQ(rawValue(DeformationTool::grow), 0u);
    EXPECT_EQ(rawValue(DeformationTool::shrink), 1u);
    EXPECT_EQ(rawValue(DeformationTool::push), 2u);
    EXPECT_EQ(rawValue(DeformationTool::reconstruct), 3u);
    for (DeformationTool tool : kAllDeformationTools) {
        EXPECT_EQ(deformationToolFromRawValue(rawValue(tool)), tool);
    }
    EXPECT_FALSE(deformationToolFromRawValue(4).has_value());
    EXPECT_FALSE(deformationToolFromRawValue(0xFFFFFFFFu).has_value());
}

TEST(BrushStampAffectedRegionTest, InteriorDabCoversItsBoundingPixelsInclusive) {
    EXPECT_EQ(stampAt(50.0f, 40.0f, 0.5f).affectedRegion(100, 100), (PixelRegion{49, 39, 3, 3}));
    EXPECT_EQ(stampAt(50.5f, 40.5f, 0.5f).affectedRegion(100, 100), (PixelRegion{50, 40, 2, 2}));
    EXPECT_EQ(stampAt(50.0f, 50.0f, 10.0f).affectedRegion(100, 100), (PixelRegion{40, 40, 21, 21}));
}

TEST(BrushStampAffectedRegionTest, IsClippedToTheCanvas) {
    EXPECT_EQ(stampAt(0.0f, 0.0f, 2.0f).affectedRegion(100, 100), (PixelRegion{0, 0, 3, 3}));
    EXPECT_EQ(stampAt(99.0f, 99.0f, 5.0f).affectedRegion(100, 100), (PixelRegion{94, 94, 6, 6}));
    EXPECT_EQ(stampAt(50.0f, 50.0f, 1000.0f).affectedRegion(100, 80), (PixelRegion{0, 0, 100, 80}));
}

TEST(BrushStampAffectedRegionTest, OutsideTheCanvasIsEmpty) {
    EXPECT_EQ(stampAt(-10.0f, 50.0f, 5.0f).affectedRegion(100, 100), PixelRegion{});
    EXPECT_EQ(stampAt(50.0f, 200.0f, 5.0f).affectedRegion(100, 100), PixelRegion{});
    EXPECT_EQ(stampAt(50.0f, 50.0f, 5.0f).affectedRegion(0, 0), PixelRegion{});
}

TEST(BrushStampAffectedRegionTest, FarAwayOrNonFiniteDabsAreEmptyRatherThanOverflowing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    EXPECT_EQ(stampAt(nan, 5.0f, 3.0f).affectedRegion(100, 100), PixelRegion{});
    EXPECT_EQ(stampAt(infinity, 5.0f, 3.0f).affectedRegion(100, 100), PixelRegion{});
    EXPECT_EQ(stampAt(1e30f, 5.0f, 3.0f).affectedRegion(100, 100), PixelRegion{});
    EXPECT_EQ(stampAt(-1e30f, 5.0f, 3.0f).affectedRegion(100, 100), PixelRegion{});
    EXPECT_EQ(stampAt(5.0f, 5.0f, 1e30f).affectedRegion(100, 100), (PixelRegion{0, 0, 100, 100}));
}

}  // namespace
}  // namespace vlt
