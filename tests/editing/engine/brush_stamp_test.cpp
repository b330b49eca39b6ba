#include "editing/engine/brush_stamp.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "editing/engine/deformation_tool.h"

namespace vlt {
namespace {

// The pixels a dab can touch: its bounding pixels inclusive, clipped to the canvas,
// and nothing (rather than an overflow) for dabs far away or not at a number.
TEST(BrushStampAffectedRegionTest, CoversTheBoundingPixelsWithinTheCanvas) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    struct Case {
        float x, y, radius;
        std::int64_t width, height;
        PixelRegion expected;
    };
    const Case cases[] = {
        {50, 40, 0.5f, 100, 100, {49, 39, 3, 3}},
        {50.5f, 40.5f, 0.5f, 100, 100, {50, 40, 2, 2}},
        {50, 50, 10, 100, 100, {40, 40, 21, 21}},
        {0, 0, 2, 100, 100, {0, 0, 3, 3}},
        {99, 99, 5, 100, 100, {94, 94, 6, 6}},
        {50, 50, 1000, 100, 80, {0, 0, 100, 80}},
        {-10, 50, 5, 100, 100, {}},
        {50, 200, 5, 100, 100, {}},
        {50, 50, 5, 0, 0, {}},
        {nan, 5, 3, 100, 100, {}},
        {infinity, 5, 3, 100, 100, {}},
        {1e30f, 5, 3, 100, 100, {}},
        {-1e30f, 5, 3, 100, 100, {}},
        {5, 5, 1e30f, 100, 100, {0, 0, 100, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << ", " << c.y << " radius " << c.radius);
        const BrushStamp stamp{DeformationTool::grow, {c.x, c.y}, {}, c.radius, 1.0f};
        EXPECT_EQ(stamp.affectedRegion(c.width, c.height), c.expected);
    }
}

}  // namespace
}  // namespace vlt
