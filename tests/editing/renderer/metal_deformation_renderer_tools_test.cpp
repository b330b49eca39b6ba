#include <algorithm>

#include <gtest/gtest.h>

#include "renderer_test_support.h"

namespace vlt {
namespace {

using testing::darkArea;
using testing::renderedOutput;
using testing::strokeStamps;

constexpr int kSide = 256;

QImage simulation(MetalDeformationRenderer& renderer) {
    return renderedOutput(renderer, 1.0f, renderer.width(), renderer.height());
}

TEST(DeformationTools, PushMovesAMarkedDotInTheDragDirectionByAboutTheDragLength) {
    auto renderer = testing::makeRenderer(testing::makeDevice(), testing::discCanvas(kSide, kSide, {100, 120}, 6));
    const testing::DarkArea before = darkArea(simulation(*renderer));
    ASSERT_GT(before.count, 50);

    std::vector<Float2> drag;
    for (int step = 0; step <= 8; ++step) drag.push_back({100.0f + step * 5.0f, 120.0f});
    ASSERT_TRUE(renderer->apply(strokeStamps(DeformationTool::push, drag, 30)).ok());
    const testing::DarkArea after = darkArea(simulation(*renderer));

    const double moved = after.centerX - before.centerX;
    EXPECT_GT(moved, 40.0 * 0.7);
    EXPECT_LT(moved, 40.0 * 1.15);
    EXPECT_NEAR(after.centerY, before.centerY, 1.5);
}

TEST(DeformationTools, GrowEnlargesADiscAndShrinkReducesIt) {
    const QImage canvas = testing::discCanvas(kSide, kSide, {128, 128}, 24);
    const std::int64_t original = darkArea(canvas).count;
    for (DeformationTool tool : {DeformationTool::grow, DeformationTool::shrink}) {
        auto renderer = testing::makeRenderer(testing::makeDevice(), canvas);
        for (int click = 0; click < 3; ++click) ASSERT_TRUE(renderer->apply(strokeStamps(tool, {{128, 128}}, 70)).ok());
        const testing::DarkArea after = darkArea(simulation(*renderer));
        if (tool == DeformationTool::grow) {
            EXPECT_GT(after.count, original * 1.2);
        } else {
            EXPECT_LT(after.count, original * 0.85);
        }
        EXPECT_NEAR(after.centerX, 128.0, 1.0);
        EXPECT_NEAR(after.centerY, 128.0, 1.0);
    }
}

TEST(DeformationTools, ReconstructBringsTheFieldBackToExactlyZero) {
    const QImage canvas = testing::syntheticCanvas(kSide, kSide);
    auto renderer = testing::makeRenderer(testing::makeDevice(), canvas);
    ASSERT_TRUE(renderer->apply(strokeStamps(DeformationTool::push, {{80, 80}, {130, 110}, {170, 120}}, 40)).ok());
    ASSERT_TRUE(renderer->apply(strokeStamps(DeformationTool::grow, {{150, 150}}, 30)).ok());
    std::vector<std::uint8_t> field = testing::readField(*renderer);
    ASSERT_FALSE(std::all_of(field.begin(), field.end(), [](std::uint8_t b) { return b == 0; }));

    const std::vector<BrushStamp> rest(120, BrushStamp{DeformationTool::reconstruct, {128, 128}, {}, 300, 1.0f});
    ASSERT_TRUE(renderer->apply(rest).ok());
    field = testing::readField(*renderer);
    EXPECT_TRUE(std::all_of(field.begin(), field.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(simulation(*renderer), testing::asOutput(canvas));
}

TEST(DeformationTools, AZeroFieldDrawsTheCanvasExactlyAndScalesBeyondTheRangeDrawLikeTheNearestEnd) {
    const QImage canvas = testing::syntheticCanvas(203, 157);
    auto renderer = testing::makeRenderer(testing::makeDevice(), canvas);
    for (float scale : {0.0f, 1.0f}) {
        EXPECT_EQ(renderedOutput(*renderer, scale, 203, 157), testing::asOutput(canvas)) << scale;
    }

    ASSERT_TRUE(renderer->apply(strokeStamps(DeformationTool::push, {{60, 60}, {150, 130}}, 50)).ok());
    const QImage unedited = renderedOutput(*renderer, 0.0f, 200, 200);
    const QImage full = renderedOutput(*renderer, 1.0f, 200, 200);
    EXPECT_NE(unedited, full);
    EXPECT_EQ(renderedOutput(*renderer, 1.7f, 200, 200), full);
    EXPECT_EQ(renderedOutput(*renderer, -0.2f, 200, 200), unedited);
}

}  // namespace
}  // namespace vlt
