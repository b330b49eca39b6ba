#include "editing/engine/queued_stroke_processor.h"

#include <vector>

#include <gtest/gtest.h>

namespace vlt {
namespace {

constexpr DeformationTool kPush = DeformationTool::push;
constexpr DeformationTool kGrow = DeformationTool::grow;
constexpr DeformationTool kReconstruct = DeformationTool::reconstruct;

class QueuedStrokeProcessorTest : public ::testing::Test {
protected:
    std::vector<BrushStamp> drain() {
        std::vector<BrushStamp> stamps;
        processor.drain(stamps);
        return stamps;
    }

    QueuedStrokeProcessor processor;
};

TEST_F(QueuedStrokeProcessorTest, PushClickWithoutMovementMakesNoStamp) {
    processor.append(StrokeSample::begin(kPush, {10, 10}, 5));
    processor.append(StrokeSample::move(kPush, {10, 10}, 5));
    processor.append(StrokeSample::end());
    EXPECT_TRUE(drain().empty());
    EXPECT_FALSE(processor.planner().activeTool().has_value());
}

TEST_F(QueuedStrokeProcessorTest, OtherToolsDabOnceAtFullStrengthOnAClick) {
    for (DeformationTool tool : {DeformationTool::grow, DeformationTool::shrink, kReconstruct}) {
        processor.append(StrokeSample::begin(tool, {7, 8}, 5));
        processor.append(StrokeSample::end());
        EXPECT_EQ(drain(), (std::vector<BrushStamp>{{tool, {7, 8}, {}, 5, 1}}));
    }
}

TEST_F(QueuedStrokeProcessorTest, ShortMoveGivesOneWeakerDabAtTheNewPoint) {
    processor.append(StrokeSample::begin(kGrow, {0, 0}, 3));
    processor.append(StrokeSample::move(kGrow, {0.5f, 0}, 3));
    const std::vector<BrushStamp> stamps = drain();
    ASSERT_EQ(stamps.size(), 2u);
    EXPECT_EQ(stamps[1], (BrushStamp{kGrow, {0.5f, 0}, {}, 3, 0.5f}));
}

TEST_F(QueuedStrokeProcessorTest, LongMoveIsCutIntoEqualFullStrengthSteps) {
    processor.append(StrokeSample::begin(kGrow, {0, 0}, 10));
    processor.append(StrokeSample::move(kGrow, {10, 0}, 10));
    const std::vector<BrushStamp> stamps = drain();
    ASSERT_EQ(stamps.size(), 6u);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(stamps[i], (BrushStamp{kGrow, {2.0f * i, 0}, {}, 10, 1}));
    }
    EXPECT_EQ(processor.planner().lastPoint(), (Float2{10, 0}));
}

TEST_F(QueuedStrokeProcessorTest, PushStampsSitAtStepMidpointsAndCarryTheStep) {
    processor.append(StrokeSample::begin(kPush, {0, 0}, 10));
    processor.append(StrokeSample::move(kPush, {10, 0}, 10));
    const std::vector<BrushStamp> stamps = drain();
    ASSERT_EQ(stamps.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(stamps[i], (BrushStamp{kPush, {1.0f + 2.0f * i, 0}, {2, 0}, 10, 1}));
    }
}

TEST_F(QueuedStrokeProcessorTest, StepsEndExactlyAtEachNewPointWithoutCarryingARemainder) {
    processor.append(StrokeSample::begin(kGrow, {0, 0}, 10));
    processor.append(StrokeSample::move(kGrow, {3, 0}, 10));
    processor.append(StrokeSample::move(kGrow, {6, 0}, 10));
    const std::vector<BrushStamp> stamps = drain();
    ASSERT_EQ(stamps.size(), 5u);
    EXPECT_EQ(stamps[2].center, (Float2{3, 0}));
    EXPECT_FLOAT_EQ(stamps[2].intensity, 0.75f);
    EXPECT_EQ(stamps[4].center, (Float2{6, 0}));
}

TEST_F(QueuedStrokeProcessorTest, SpacingHasAFloorOfOnePixel) {
    EXPECT_FLOAT_EQ(BrushStampPlanner::spacing(4), 1.0f);
    EXPECT_FLOAT_EQ(BrushStampPlanner::spacing(50), 10.0f);
    processor.append(StrokeSample::begin(kGrow, {0, 0}, 4));
    processor.append(StrokeSample::move(kGrow, {0, 3}, 4));
    EXPECT_EQ(drain().size(), 4u);
}

TEST_F(QueuedStrokeProcessorTest, TinyMovesAccumulateFromTheSameLastPoint) {
    processor.append(StrokeSample::begin(kGrow, {0, 0}, 5));
    processor.append(StrokeSample::move(kGrow, {0, 1e-8f}, 5));
    ASSERT_EQ(drain().size(), 1u);
    EXPECT_EQ(processor.planner().lastPoint(), (Float2{0, 0}));

    processor.append(StrokeSample::move(kGrow, {0, 0.5f}, 5));
    const std::vector<BrushStamp> stamps = drain();
    ASSERT_EQ(stamps.size(), 1u);
    EXPECT_FLOAT_EQ(stamps[0].intensity, 0.5f);
}

TEST_F(QueuedStrokeProcessorTest, ResetDropsQueuedSamplesButKeepsTheLastPoint) {
    processor.append(StrokeSample::begin(kGrow, {4, 4}, 5));
    drain();
    processor.append(StrokeSample::move(kGrow, {40, 4}, 5));
    processor.reset();
    EXPECT_TRUE(processor.pending().empty());
    EXPECT_FALSE(processor.planner().activeTool().has_value());
    EXPECT_EQ(processor.planner().lastPoint(), (Float2{4, 4}));
    EXPECT_TRUE(drain().empty());
}

TEST_F(QueuedStrokeProcessorTest, ReconstructRepeatsDabAtTheRestingPoint) {
    processor.append(StrokeSample::begin(kReconstruct, {5, 5}, 8));
    processor.append(StrokeSample::reconstructRepeat({6, 5}, 8));
    processor.append(StrokeSample::reconstructRepeat({6, 5}, 8));
    const std::vector<BrushStamp> stamps = drain();
    ASSERT_EQ(stamps.size(), 3u);
    EXPECT_EQ(stamps[2], (BrushStamp{kReconstruct, {6, 5}, {}, 8, 1}));
    EXPECT_EQ(processor.planner().lastPoint(), (Float2{6, 5}));
}

TEST_F(QueuedStrokeProcessorTest, DrainingAnEmptyQueueChangesNothing) {
    std::vector<BrushStamp> stamps{{kGrow, {1, 1}, {}, 1, 1}};
    processor.drain(stamps);
    EXPECT_EQ(stamps.size(), 1u);
    EXPECT_EQ(processor.planner().lastPoint(), (Float2{0, 0}));
}

TEST(QueuedStrokeProcessorDeathTest, MisuseStopsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::pair<std::vector<StrokeSample>, const char*> misuses[] = {
        {{StrokeSample::move(kGrow, {1, 1}, 5)}, "open stroke"},
        {{StrokeSample::begin(kGrow, {1, 1}, 0)}, "radius"},
        {{StrokeSample::begin(kGrow, {1, 1}, 5), StrokeSample::reconstructRepeat({1, 1}, 5)}, "Reconstruct"},
    };
    for (const auto& [samples, message] : misuses) {
        EXPECT_DEATH(
            {
                QueuedStrokeProcessor processor;
                for (const StrokeSample& sample : samples) processor.append(sample);
                std::vector<BrushStamp> stamps;
                processor.drain(stamps);
            },
            message);
    }
}

}  // namespace
}  // namespace vlt
