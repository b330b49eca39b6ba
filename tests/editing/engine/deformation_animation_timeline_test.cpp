#include "editing/engine/deformation_animation_timeline.h"

#include <limits>

#include <gtest/gtest.h>

namespace vlt {
namespace {

constexpr float kTolerance = 1e-6f;
constexpr double kVideoFrameRate = 30.0;

const DeformationAnimationTimeline timeline;

float videoFrameScale(int frame) {
    return timeline.scale(frame / kVideoFrameRate);
}

TEST(DeformationAnimationTimelineTest, HoldsAndEasesThroughOneLoop) {
    EXPECT_EQ(timeline.scale(0.0), 0.0f);
    EXPECT_EQ(timeline.scale(0.29), 0.0f);
    EXPECT_EQ(timeline.scale(0.3), 0.0f);
    EXPECT_NEAR(timeline.scale(0.6), 0.14644662f, kTolerance);
    EXPECT_NEAR(timeline.scale(0.9), 0.5f, kTolerance);
    EXPECT_NEAR(timeline.scale(1.2), 0.85355341f, kTolerance);
    EXPECT_EQ(timeline.scale(1.5), 1.0f);
    EXPECT_EQ(timeline.scale(1.6), 1.0f);
    EXPECT_EQ(timeline.scale(1.8), 1.0f);
    EXPECT_NEAR(timeline.scale(2.1), 0.85355341f, kTolerance);
    EXPECT_NEAR(timeline.scale(2.4), 0.5f, kTolerance);
    EXPECT_NEAR(timeline.scale(2.7), 0.14644662f, kTolerance);
    EXPECT_EQ(timeline.scale(3.0), 0.0f);
}

TEST(DeformationAnimationTimelineTest, RepeatsForNegativeAndLaterTimes) {
    EXPECT_NEAR(timeline.scale(-0.6), 0.5f, kTolerance);
    EXPECT_EQ(timeline.scale(4.5), 1.0f);
    EXPECT_EQ(timeline.scale(9.0), 0.0f);
}

TEST(DeformationAnimationTimelineTest, VideoFramesFollowTheLoop) {
    for (int frame = 0; frame <= 9; ++frame) {
        EXPECT_EQ(videoFrameScale(frame), 0.0f) << frame;
    }
    EXPECT_NEAR(videoFrameScale(27), 0.5f, kTolerance);
    for (int frame = 45; frame <= 54; ++frame) {
        EXPECT_EQ(videoFrameScale(frame), 1.0f) << frame;
    }
    EXPECT_NEAR(videoFrameScale(72), 0.5f, kTolerance);
    EXPECT_NEAR(videoFrameScale(89), 0.0019026509f, 1e-8f);
    EXPECT_EQ(videoFrameScale(90), 0.0f);
    EXPECT_EQ(videoFrameScale(269), videoFrameScale(89));
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
