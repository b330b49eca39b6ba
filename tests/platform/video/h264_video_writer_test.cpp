#include "platform/video/h264_video_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "base/usable_cpu_count.h"

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

// Up to two slices keep the default preset's sub-pixel refinement; more of them, which
// scale worse, refine more cheaply, whatever the budget.
TEST(H264EncoderPlanTest, ManySlicesRefineSubpixelMotionMoreCheaply) {
    EXPECT_EQ(planH264Encoder(1920, 1080, 1, 200 * kMebibyte).subpixelRefinement, 7);
    EXPECT_EQ(planH264Encoder(1920, 1080, 2, 200 * kMebibyte).subpixelRefinement, 7);
    EXPECT_EQ(planH264Encoder(1920, 1080, 3, 200 * kMebibyte).subpixelRefinement, 6);
    EXPECT_EQ(planH264Encoder(1920, 1080, 8, 50 * kMebibyte).subpixelRefinement, 6);
    EXPECT_EQ(planH264Encoder(640, 360, 64, 200 * kMebibyte).subpixelRefinement, 6);
}

// A lookahead cut short is made up for by a harder compressed curve, the more the
// shorter it is; at the encoder's own lookahead the curve is its own.
TEST(H264EncoderPlanTest, TheCurveIsCompressedHarderTheShorterTheLookahead) {
    EXPECT_DOUBLE_EQ(planH264Encoder(640, 360, 2, 200 * kMebibyte).curveCompression, 0.6);
    const H264EncoderPlan shortest = planH264Encoder(1920, 1080, 2, 50 * kMebibyte);
    EXPECT_NEAR(shortest.curveCompression, 0.3, 1e-9);
    const H264EncoderPlan between = planH264Encoder(1920, 1080, 2, 200 * kMebibyte);
    EXPECT_GT(between.curveCompression, shortest.curveCompression);
    EXPECT_LT(between.curveCompression, 0.6);
    EXPECT_NEAR(between.curveCompression, 0.6 - 0.01 * (40 - between.lookaheadFrames), 1e-9);
}

// The plan reaches the encoder: libx264 writes the settings it ran with into the
// stream, and a small budget shows there as the shortest lookahead with the hardest
// compressed curve.
TEST(H264VideoWriterTest, AVideoWrittenWithinABudgetIsEncodedByItsPlan) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vlt-h264-plan-" + std::to_string(::getpid()) + ".mp4");
    const int side = 64;
    auto created = H264VideoWriter::create(path.string(), VideoWriterSettings{side, side, 30, 1'000'000, kMebibyte});
    ASSERT_TRUE(created.ok());
    auto writer = std::move(created).value();
    if (writer->encoderName() != "libx264") GTEST_SKIP() << "libx264 is not there";
    std::vector<std::uint8_t> bgra(std::size_t(side) * side * 4, 128);
    for (int index = 0; index < 3; ++index) {
        bgra[std::size_t(index) * 4] = std::uint8_t(40 * index);
        auto picture = writer->makePicture(bgra.data(), side * 4);
        ASSERT_TRUE(picture.ok());
        ASSERT_TRUE(writer->append(picture.value(), index).ok());
    }
    ASSERT_TRUE(writer->finish().ok());
    writer.reset();

    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    EXPECT_NE(bytes.find("rc_lookahead=10 "), std::string::npos);
    EXPECT_NE(bytes.find("qcomp=0.30 "), std::string::npos);
    const int refinement = planH264Encoder(side, side, usableCpuCount(), kMebibyte).subpixelRefinement;
    EXPECT_NE(bytes.find("subme=" + std::to_string(refinement) + " "), std::string::npos);
}

}  // namespace
}  // namespace vlt
