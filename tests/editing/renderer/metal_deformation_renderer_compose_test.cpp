#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "renderer_test_support.h"

namespace vlt {
namespace {

using testing::readField;
using testing::strokeStamps;

constexpr int kWidth = 300;
constexpr int kHeight = 200;

struct ComposeFixture : ::testing::Test {
    std::shared_ptr<GpuDevice> device = testing::makeDevice();
    std::unique_ptr<MetalDeformationRenderer> renderer =
        testing::makeRenderer(device, testing::syntheticCanvas(kWidth, kHeight));

    void apply(const std::vector<BrushStamp>& stamps) { ASSERT_TRUE(renderer->apply(stamps).ok()); }
};

BrushStamp pushStamp(Float2 center, Float2 movement, float radius) {
    return {DeformationTool::push, center, movement, radius, 1.0f};
}

// The field with a region's texels zeroed.
std::vector<std::uint8_t> outside(std::vector<std::uint8_t> field, const PixelRegion& region) {
    for (std::int64_t y = region.y; y < region.y + region.height; ++y) {
        std::fill_n(field.begin() + (y * kWidth + region.x) * 8, region.width * 8, 0);
    }
    return field;
}

TEST_F(ComposeFixture, NothingOutsideAStampsRegionChangesBitForBit) {
    apply(strokeStamps(DeformationTool::push, {{60, 60}, {140, 90}, {200, 120}}, 30));
    apply(strokeStamps(DeformationTool::grow, {{120, 100}}, 40));
    for (const BrushStamp& stamp :
         {pushStamp({130.3f, 95.7f}, {6, -3}, 25), BrushStamp{DeformationTool::shrink, {100, 80}, {}, 22, 0.6f},
          BrushStamp{DeformationTool::reconstruct, {150, 100}, {}, 35, 1.0f},
          // At the canvas corner.
          pushStamp({2.0f, 197.0f}, {-4, 3}, 20)}) {
        const std::vector<std::uint8_t> previous = readField(*renderer);
        apply({stamp});
        const std::vector<std::uint8_t> after = readField(*renderer);
        const PixelRegion region = stamp.affectedRegion(kWidth, kHeight);
        EXPECT_NE(previous, after) << deformationToolName(stamp.tool);
        EXPECT_EQ(outside(previous, region), outside(after, region)) << deformationToolName(stamp.tool);
    }
}

TEST_F(ComposeFixture, StampOrderMattersAndClearingSetsEveryTexelToPositiveZero) {
    const BrushStamp right = pushStamp({150, 100}, {8, 0}, 30);
    const BrushStamp down = BrushStamp{DeformationTool::grow, {160, 105}, {}, 30, 1.0f};
    apply({right, down});
    const std::vector<std::uint8_t> forward = readField(*renderer);
    ASSERT_TRUE(renderer->clearDisplacement().ok());
    const std::vector<std::uint8_t> cleared = readField(*renderer);
    EXPECT_TRUE(std::all_of(cleared.begin(), cleared.end(), [](std::uint8_t b) { return b == 0; }));
    apply({down, right});
    EXPECT_NE(forward, readField(*renderer));
}

TEST(MetalDeformationRendererCompose, GivesIdenticalBytesWithOneThreadOrMany) {
    std::vector<std::vector<std::uint8_t>> fields;
    std::vector<QImage> images;
    for (int threads : {1, 2, 8}) {
        auto renderer = testing::makeRenderer(testing::makeDevice(threads), testing::syntheticCanvas(640, 480));
        ASSERT_TRUE(
            renderer->apply(strokeStamps(DeformationTool::push, {{100, 100}, {300, 250}, {500, 200}}, 90)).ok());
        ASSERT_TRUE(renderer->apply(strokeStamps(DeformationTool::shrink, {{320, 240}, {330, 250}}, 120)).ok());
        ASSERT_TRUE(renderer->apply(strokeStamps(DeformationTool::reconstruct, {{300, 200}, {420, 210}}, 60)).ok());
        fields.push_back(readField(*renderer));
        images.push_back(testing::renderedOutput(*renderer, 1.0f, 500, 375));
    }
    EXPECT_EQ(fields[0], fields[1]);
    EXPECT_EQ(fields[0], fields[2]);
    EXPECT_EQ(images[0], images[1]);
    EXPECT_EQ(images[0], images[2]);
}

TEST_F(ComposeFixture, AnEmptyListMakesNoCommandBufferAndStampsOffTheCanvasMakeAnEmptyOne) {
    const int before = device->faultInjector().requestCount(GpuFaultPoint::commandBuffer);
    apply({});
    EXPECT_EQ(device->faultInjector().requestCount(GpuFaultPoint::commandBuffer), before);
    apply({pushStamp({-500, -500}, {3, 3}, 20)});
    EXPECT_EQ(device->faultInjector().requestCount(GpuFaultPoint::commandBuffer), before + 1);
    EXPECT_FALSE(renderer->scratchTextureSize().has_value());
    const std::vector<std::uint8_t> field = readField(*renderer);
    EXPECT_TRUE(std::all_of(field.begin(), field.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST_F(ComposeFixture, AFailureWhileEncodingLeavesTheFieldAsItWas) {
    apply(strokeStamps(DeformationTool::push, {{50, 50}, {120, 80}}, 25));
    const std::vector<std::uint8_t> before = readField(*renderer);
    const std::vector<BrushStamp> stamps = strokeStamps(DeformationTool::push, {{100, 100}, {180, 120}}, 40);
    ASSERT_GE(stamps.size(), 3u);

    device->faultInjector().inject(GpuFaultPoint::blitEncoder, 2);
    EXPECT_EQ(renderer->apply(stamps).error(), MetalDeformationFailure(MetalDeformationFailure::Case::commandEncoding));
    EXPECT_EQ(readField(*renderer), before);

    device->faultInjector().inject(GpuFaultPoint::texture);
    const BrushStamp larger = pushStamp({150, 100}, {2, 2}, 80);
    EXPECT_EQ(renderer->apply({larger}).error(),
              MetalDeformationFailure(MetalDeformationFailure::Case::textureCreation));
    EXPECT_EQ(readField(*renderer), before);

    device->faultInjector().inject(GpuFaultPoint::commandBuffer);
    EXPECT_EQ(renderer->apply(stamps).error(), MetalDeformationFailure(MetalDeformationFailure::Case::commandEncoding));
    device->faultInjector().inject(GpuFaultPoint::commandBuffer);
    EXPECT_EQ(renderer->clearDisplacement().error(),
              MetalDeformationFailure(MetalDeformationFailure::Case::commandEncoding));
    EXPECT_EQ(readField(*renderer), before);
}

// A frame's room for composing is learnt from compositions that ran to their end; one
// whose work failed teaches nothing.
TEST_F(ComposeFixture, TheRoomForComposingIsLearntFromCompositionsThatRan) {
    const std::vector<BrushStamp> stamps = strokeStamps(DeformationTool::push, {{60, 60}, {140, 90}}, 30);
    device->faultInjector().inject(GpuFaultPoint::commandExecution);
    apply(stamps);
    renderer->waitUntilScheduledWorkCompleted();
    EXPECT_FALSE(renderer->compositionWorkWithin(1.0).has_value());

    apply(stamps);
    renderer->waitUntilScheduledWorkCompleted();
    const std::optional<std::int64_t> oneSecond = renderer->compositionWorkWithin(1.0);
    ASSERT_TRUE(oneSecond.has_value());
    EXPECT_GT(*oneSecond, 0);
    EXPECT_EQ(renderer->compositionWorkWithin(0.0), 0);
}

}  // namespace
}  // namespace vlt
