#include "editing/engine/deformation_animation_timeline.h"

#include <limits>

#include <gtest/gtest.h>

namespace vlt {
namespace {

constexpr float kTolerance = 1e-6f;

const DeformationAnimationTimeline timeline;

// Holds at the Original, eases in, holds at the Simulation, eases out, three seconds
// a loop, repeating before and after.
TEST(DeformationAnimationTimelineTest, SpotValuesThroughOneLoopAndItsRepeats) {
    const std::pair<double, float> spots[] = {
        {0.0, 0.0f}, {0.29, 0.0f}, {0.3, 0.0f}, {0.6, 0.14644662f}, {0.9, 0.5f}, {1.2, 0.85355341f},
        {1.5, 1.0f}, {1.6, 1.0f},  {1.8, 1.0f}, {2.1, 0.85355341f}, {2.4, 0.5f}, {2.7, 0.14644662f},
        {3.0, 0.0f}, {-0.6, 0.5f}, {4.5, 1.0f}, {9.0, 0.0f},
    };
    for (const auto& [seconds, scale] : spots) {
        // The holds are exact: scale 0 must show the canvas itself.
        if (scale == 0.0f || scale == 1.0f) {
            EXPECT_EQ(timeline.scale(seconds), scale) << seconds << " s";
        } else {
            EXPECT_NEAR(timeline.scale(seconds), scale, kTolerance) << seconds << " s";
        }
    }
}

TEST(DeformationAnimationTimelineTest, StaysWithinZeroAndOne) {
    for (int step = -10000; step <= 10000; ++step) {
        const float scale = timeline.scale(step * 0.00137);
        EXPECT_GE(scale, 0.0f);
        EXPECT_LE(scale, 1.0f);
    }
    EXPECT_EQ(timeline.scale(std::numeric_limits<double>::quiet_NaN()), 0.0f);
    EXPECT_EQ(timeline.scale(std::numeric_limits<double>::infinity()), 0.0f);
}

}  // namespace
}  // namespace vlt
