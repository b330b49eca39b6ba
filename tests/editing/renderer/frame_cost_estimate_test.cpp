#include "editing/renderer/frame_cost_estimate.h"

#include <gtest/gtest.h>

namespace vlt {
namespace {

TEST(FrameCostEstimateTest, AStampCostsItsRegionAndAnAllowanceAndOneOutsideTheCanvasNothing) {
    EXPECT_EQ(FrameCostEstimate::stampWork({10, 20, 30, 40}), 1200 + FrameCostEstimate::kStampAllowancePixels);
    EXPECT_EQ(FrameCostEstimate::stampWork({}), 0);
}

TEST(FrameCostEstimateTest, TheWorkAFrameHasRoomForFollowsTheRecentCompositionsAndDraws) {
    FrameCostEstimate estimate;
    EXPECT_FALSE(estimate.compositionWorkWithin(0.01).has_value());
    estimate.recordDraw(0.002);
    EXPECT_FALSE(estimate.compositionWorkWithin(0.01).has_value());

    // A million pixels in 10 ms; a frame of 12 ms leaves 10 ms beside its 2 ms draw.
    estimate.recordComposition(1'000'000, 0.010);
    EXPECT_EQ(estimate.compositionWorkWithin(0.012), 1'000'000);
    // A draw that takes the whole frame leaves nothing.
    EXPECT_EQ(estimate.compositionWorkWithin(0.001), 0);

    // Large compositions count for more than small ones: 1.1 M pixels in 20 ms.
    estimate.recordComposition(100'000, 0.010);
    EXPECT_EQ(estimate.compositionWorkWithin(0.022), 1'100'000);

    // Empty work and unusable times teach nothing.
    estimate.recordComposition(0, 5.0);
    estimate.recordComposition(1000, -1.0);
    EXPECT_EQ(estimate.compositionWorkWithin(0.022), 1'100'000);
}

TEST(FrameCostEstimateTest, AMachineThatTurnsBusyIsFollowedWithinAFewFrames) {
    FrameCostEstimate estimate;
    for (std::size_t frame = 0; frame < FrameCostEstimate::kRememberedFrames; ++frame) {
        estimate.recordComposition(1'000'000, 0.001);
        estimate.recordDraw(0.001);
    }
    EXPECT_EQ(estimate.compositionWorkWithin(0.011), 10'000'000);
    // Ten times slower from now on: once the quick frames are forgotten, a frame has
    // room for a tenth.
    for (std::size_t frame = 0; frame < FrameCostEstimate::kRememberedFrames; ++frame) {
        estimate.recordComposition(1'000'000, 0.010);
        estimate.recordDraw(0.001);
    }
    EXPECT_EQ(estimate.compositionWorkWithin(0.011), 1'000'000);
}

}  // namespace
}  // namespace vlt
