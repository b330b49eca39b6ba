#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gpu/srgb_transfer.h"
#include "shaders/background_fragment.h"
#include "shaders/background_uniforms.h"
#include "shaders/image_fragment.h"
#include "shaders/image_uniforms.h"

namespace vlt {
namespace {

struct ImageFixture : ::testing::Test {
    static constexpr std::int64_t kWidth = 20;
    static constexpr std::int64_t kHeight = 10;
    std::shared_ptr<GpuTexture> source =
        GpuTexture::allocate({GpuPixelFormat::rgba8UnormSrgb, kWidth, kHeight, GpuTextureUsage::shaderRead});
    std::shared_ptr<GpuTexture> field = GpuTexture::allocate(
        {GpuPixelFormat::rg32Float, kWidth, kHeight, GpuTextureUsage::shaderRead | GpuTextureUsage::shaderWrite});
    ImageUniforms uniforms;

    // The canvas shown through a field that moves every pixel 4 to the right.
    ImageFixture() {
        for (std::int64_t y = 0; y < kHeight; ++y) {
            for (std::int64_t x = 0; x < kWidth; ++x) {
                std::uint8_t* texel = source->row<std::uint8_t>(y) + x * 4;
                texel[0] = static_cast<std::uint8_t>(x * 12);
                texel[1] = static_cast<std::uint8_t>(y * 25);
                texel[2] = static_cast<std::uint8_t>((x * 7 + y * 13) % 256);
                texel[3] = 255;
                field->row<PackedFloat2>(y)[x] = {4.0f, 0.0f};
            }
        }
        uniforms.imageRect = {0.0f, 0.0f, kWidth, kHeight};
        uniforms.viewportSize = {kWidth, kHeight};
        uniforms.canvasSize = {kWidth, kHeight};
    }

    // The red code shown at (x, y).
    int redAt(std::int64_t x, std::int64_t y, std::shared_ptr<GpuBuffer> occupancy = nullptr) {
        GpuArguments arguments;
        arguments.setTexture(kImageSourceTextureIndex, source);
        arguments.setTexture(kImageDisplacementTextureIndex, field);
        arguments.setBytes(kImageUniformsBufferIndex, &uniforms, sizeof uniforms);
        if (occupancy) arguments.setBuffer(kImageOccupancyBufferIndex, occupancy);
        std::vector<GpuFloat4> colors(kWidth);
        imageFragment(arguments, {0, y, kWidth}, colors.data());
        return SrgbTransfer::encode(colors[x].x);
    }
    int canvasRedAt(std::int64_t x, std::int64_t y) const { return source->row<std::uint8_t>(y)[x * 4]; }
};

TEST_F(ImageFixture, ShowsTheCanvasAtThePositionPlusTheScaledField) {
    uniforms.displacementScale = 0.5f;
    EXPECT_EQ(redAt(5, 3), canvasRedAt(7, 3));
    // Beyond the last column the edge texel repeats.
    EXPECT_EQ(redAt(19, 3), canvasRedAt(19, 3));
    uniforms.displacementScale = 0.0f;
    EXPECT_EQ(redAt(5, 3), canvasRedAt(5, 3));

    // Where the occupancy marks the field as zero it is not read at all.
    uniforms.displacementScale = 1.0f;
    auto occupancy = GpuBuffer::allocate(1);
    EXPECT_EQ(redAt(5, 2, occupancy), canvasRedAt(5, 2));
    occupancy->contents()[0] = 1;
    EXPECT_EQ(redAt(5, 2, occupancy), canvasRedAt(9, 2));
}

TEST(BackgroundFragment, DrawsAGridOnlyInPanesOneCellInFromTheirOrigin) {
    BackgroundUniforms uniforms;
    uniforms.baseColor = {0.8f, 0.8f, 0.8f, 1.0f};
    uniforms.accentColor = {0.7f, 0.7f, 0.7f, 1.0f};
    uniforms.constants = {32.0f, 1.0f};
    uniforms.origin = {10.0f, 0.0f};
    uniforms.backingScale = 2.0f;
    GpuArguments arguments;
    std::vector<GpuFloat4> colors(200);

    uniforms.drawsPane = 0;
    arguments.setBytes(kBackgroundUniformsBufferIndex, &uniforms, sizeof uniforms);
    EXPECT_EQ(backgroundFragment(arguments, {0, 64, 200}, colors.data()), GpuSpanColors::uniform);
    EXPECT_EQ(colors[0].x, 0.8f);

    uniforms.drawsPane = 1;
    arguments.setBytes(kBackgroundUniformsBufferIndex, &uniforms, sizeof uniforms);
    EXPECT_EQ(backgroundFragment(arguments, {0, 5, 200}, colors.data()), GpuSpanColors::perPixel);
    // At 2 pixels per point the first line covers pixels 74 and 75 (64 pixels past
    // the origin at 10), the next 138 and 139; the pane's own edge has none.
    for (std::int64_t x = 0; x < 200; ++x) {
        const bool line = x == 74 || x == 75 || x == 138 || x == 139;
        ASSERT_EQ(colors[x].x, line ? 0.7f : 0.8f) << x;
    }
    // Row 64 lies on a horizontal line: the whole span is the accent colour.
    EXPECT_EQ(backgroundFragment(arguments, {0, 64, 10}, colors.data()), GpuSpanColors::uniform);
    EXPECT_EQ(colors[0].x, 0.7f);

    // Any origin and scale: the line search agrees with testing every pixel.
    uniforms.origin = {3.3f, 0.0f};
    for (float scale : {1.0f, 1.5f, 2.0f, 3.0f}) {
        uniforms.backingScale = scale;
        arguments.setBytes(kBackgroundUniformsBufferIndex, &uniforms, sizeof uniforms);
        std::vector<GpuFloat4> wide(1000);
        ASSERT_EQ(backgroundFragment(arguments, {7, 5, 1000}, wide.data()), GpuSpanColors::perPixel);
        for (std::int64_t i = 0; i < 1000; ++i) {
            const float points = (static_cast<float>(7 + i) + 0.5f - 3.3f) / scale;
            const float cell = std::floor(points / 32.0f);
            const bool line = cell >= 1.0f && points - cell * 32.0f < 1.0f;
            ASSERT_EQ(wide[i].x, line ? 0.7f : 0.8f) << scale << " " << i;
        }
    }
}

}  // namespace
}  // namespace vlt
