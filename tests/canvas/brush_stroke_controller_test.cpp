#include "canvas/brush_stroke_controller.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace vlt {
namespace {

// Every stamp costs one unit, so a work limit is a stamp count.
std::int64_t oneEach(const BrushStamp&) { return 1; }

constexpr std::int64_t kUnlimited = INT64_MAX;

// A Grow stroke of radius 5 (a stamp every pixel) from (0, 0) along x.
class BrushStrokeControllerTest : public ::testing::Test {
protected:
    void openAndMove(float toX) {
        ASSERT_TRUE(stroke.begin(DeformationTool::grow, {0, 0}, 5, 0.0));
        stroke.move({toX, 0}, 5, 0.0);
    }

    // The centres' x of the stamps frames with this limit take until none are left.
    std::vector<std::vector<float>> framesUntilDone(std::int64_t limit) {
        std::vector<std::vector<float>> frames;
        do {
            std::vector<float> centers;
            for (const BrushStamp& stamp : stroke.drainFrame(0.0, limit, oneEach)) centers.push_back(stamp.center.x);
            stroke.frameApplied();
            frames.push_back(centers);
        } while (stroke.waitingStampCount() > 0);
        return frames;
    }

    BrushStrokeController stroke;
};

TEST_F(BrushStrokeControllerTest, FramesTakeStampsInOrderWithinTheirLimitAndAtLeastOne) {
    openAndMove(5);
    EXPECT_EQ(framesUntilDone(2), (std::vector<std::vector<float>>{{0, 1}, {2, 3}, {4, 5}}));
    EXPECT_EQ(stroke.appliedStampCount(), 6u);

    stroke.move({7, 0}, 5, 0.0);
    EXPECT_EQ(framesUntilDone(0), (std::vector<std::vector<float>>{{6}, {7}}));

    // Stamps that arrive while others wait queue behind them.
    stroke.move({9, 0}, 5, 0.0);
    EXPECT_EQ(stroke.drainFrame(0.0, 1, oneEach).size(), 1u);
    stroke.frameApplied();
    stroke.move({10, 0}, 5, 0.0);
    EXPECT_EQ(framesUntilDone(kUnlimited), (std::vector<std::vector<float>>{{9, 10}}));
}

TEST_F(BrushStrokeControllerTest, AReleasedStrokeFinishesOnlyOnceItsLastStampReachedTheField) {
    openAndMove(5);
    EXPECT_FALSE(stroke.takeFinishedStroke().has_value());
    ASSERT_TRUE(stroke.end());
    EXPECT_EQ(stroke.phase(), BrushStrokeController::Phase::released);
    EXPECT_TRUE(stroke.needsFrames());
    // No other stroke starts while it catches up.
    EXPECT_FALSE(stroke.begin(DeformationTool::push, {3, 3}, 5, 0.0));

    stroke.drainFrame(0.0, 4, oneEach);
    stroke.frameApplied();
    EXPECT_EQ(stroke.waitingStampCount(), 2u);
    EXPECT_FALSE(stroke.takeFinishedStroke().has_value());
    stroke.drainFrame(0.0, 4, oneEach);
    stroke.frameApplied();
    const auto finished = stroke.takeFinishedStroke();
    ASSERT_TRUE(finished.has_value());
    EXPECT_EQ(finished->size(), 6u);
    EXPECT_FALSE(stroke.needsFrames());
    EXPECT_FALSE(stroke.isUnderWay());
}

TEST_F(BrushStrokeControllerTest, CancellingReturnsOnlyTheAppliedStampsAndForgetsTheWaitingOnes) {
    openAndMove(5);
    stroke.drainFrame(0.0, 2, oneEach);
    stroke.frameApplied();
    ASSERT_TRUE(stroke.end());
    EXPECT_EQ(stroke.cancel().size(), 2u);
    EXPECT_EQ(stroke.waitingStampCount(), 0u);
    EXPECT_FALSE(stroke.isUnderWay());

    // The next stroke starts from its own press.
    ASSERT_TRUE(stroke.begin(DeformationTool::grow, {20, 0}, 5, 0.0));
    const std::vector<BrushStamp>& frame = stroke.drainFrame(0.0, kUnlimited, oneEach);
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame.front().center.x, 20.0f);
}

}  // namespace
}  // namespace vlt
