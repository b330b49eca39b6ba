#include <gtest/gtest.h>

#include "editing/renderer/drawn_frame_history.h"
#include "platform/gpu/gpu_texture.h"

namespace vlt {
namespace {

std::shared_ptr<GpuTexture> drawable() {
    return GpuTexture::allocate({GpuPixelFormat::bgra8UnormSrgb, 8, 8, GpuTextureUsage::renderTarget});
}

TEST(DrawnFrameHistoryTest, AFrameReusesWhatItsTargetShowsWhenOnlyTheFieldChanged) {
    DrawnFrameHistory history;
    auto first = drawable();
    auto second = drawable();
    const auto a = history.startFrame(*first, DrawnFrameLayout{});
    EXPECT_FALSE(a.reuse.has_value());
    history.fieldChanged({10, 10, 5, 5});
    const auto b = history.startFrame(*second, DrawnFrameLayout{});
    EXPECT_FALSE(b.reuse.has_value());
    history.fieldChanged({30, 2, 4, 4});

    // The first target shows frame a: both changes happened since.
    const auto c = history.startFrame(*first, DrawnFrameLayout{});
    ASSERT_TRUE(c.reuse.has_value());
    EXPECT_EQ(c.reuse->expectedContents, a.contentsTag);
    EXPECT_EQ(c.reuse->changedField, (PixelRegion{10, 2, 24, 13}));
    // The second shows frame b: only the later change.
    const auto d = history.startFrame(*second, DrawnFrameLayout{});
    ASSERT_TRUE(d.reuse.has_value());
    EXPECT_EQ(d.reuse->expectedContents, b.contentsTag);
    EXPECT_EQ(d.reuse->changedField, (PixelRegion{30, 2, 4, 4}));
    // Nothing changed since c.
    const auto e = history.startFrame(*first, DrawnFrameLayout{});
    ASSERT_TRUE(e.reuse.has_value());
    EXPECT_FALSE(e.reuse->changedField.hasPixels());
    EXPECT_NE(e.contentsTag, c.contentsTag);
}

TEST(PixelsSamplingFieldTest, CoversTheChangedTexelsAndTheirBilinearNeighboursWithAMargin) {
    // 1:1: pixel p samples texel p and p + 1, so texels [10, 15) reach pixels 9 to 14.
    const GpuScissorRect oneToOne = pixelsSamplingField({10, 20, 5, 3}, QRectF(0, 0, 100, 80), 100, 80);
    EXPECT_LE(oneToOne.x, 9);
    EXPECT_GE(oneToOne.x + oneToOne.width, 15);
    EXPECT_LE(oneToOne.y, 19);
    EXPECT_GE(oneToOne.y + oneToOne.height, 23);
    EXPECT_LE(oneToOne.width, 5 + 8);

    // Shown at a quarter and moved: the rectangle shrinks and moves along.
    const GpuScissorRect quarter = pixelsSamplingField({40, 40, 20, 20}, QRectF(100, 50, 25, 20), 100, 80);
    EXPECT_LE(quarter.x, 110);
    EXPECT_GE(quarter.x + quarter.width, 115);
    EXPECT_LE(quarter.y, 60);
    EXPECT_GE(quarter.y + quarter.height, 65);
    EXPECT_LE(quarter.width, 5 + 8);

    EXPECT_TRUE(pixelsSamplingField({}, QRectF(0, 0, 100, 80), 100, 80).isEmpty());
    const GpuScissorRect unknown = pixelsSamplingField({1, 1, 1, 1}, QRectF(0, 0, 0, 80), 100, 80);
    EXPECT_TRUE(unknown.intersected({0, 0, 4000, 4000}) == (GpuScissorRect{0, 0, 4000, 4000}));
}

}  // namespace
}  // namespace vlt
