#include "platform/video/h264_video_writer.h"

#include <gtest/gtest.h>

namespace vlt {
namespace {

constexpr std::int64_t kMebibyte = std::int64_t(1) << 20;

// The encoder's memory follows the lookahead, not the processors: every processor up
// to eight takes a slice of each picture, and the lookahead is what the budget leaves
// room for, within the encoder's own 40 and no fewer than 10.
TEST(H264EncoderPlanTest, TheLookaheadFollowsTheBudgetAndThreadsTakeSlices) {
    const H264EncoderPlan one = planH264Encoder(1920, 1080, 1, 200 * kMebibyte);
    EXPECT_EQ(one.threads, 1);
    EXPECT_FALSE(one.slicedThreads);
    const H264EncoderPlan many = planH264Encoder(1920, 1080, 64, 200 * kMebibyte);
    EXPECT_EQ(many.threads, 8);
    EXPECT_TRUE(many.slicedThreads);
    EXPECT_LE(many.lookaheadFrames, one.lookaheadFrames);

    const int smaller = planH264Encoder(1920, 1080, 2, 200 * kMebibyte).lookaheadFrames;
    const int larger = planH264Encoder(1920, 1080, 2, 300 * kMebibyte).lookaheadFrames;
    EXPECT_GT(larger, smaller);
    EXPECT_GT(smaller, 10);
    EXPECT_LT(smaller, 40);
    EXPECT_GT(planH264Encoder(1080, 1080, 2, 200 * kMebibyte).lookaheadFrames, smaller);
    EXPECT_EQ(planH264Encoder(640, 360, 2, 200 * kMebibyte).lookaheadFrames, 40);
    EXPECT_EQ(planH264Encoder(1920, 1080, 2, 50 * kMebibyte).lookaheadFrames, 10);
}

}  // namespace
}  // namespace vlt
