#include "editing/engine/queued_stroke_processor.h"

#include <vector>

#include <gtest/gtest.h>

namespace vlt {
namespace {

constexpr DeformationTool kPush = DeformationTool::push;
constexpr DeformationTool kGrow = DeformationTool::grow;
constexpr DeformationTool kShrink = DeformationTool::shrink;
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

BrushStamp dab(DeformationTool tool, Float2 center, float radius, float intensity = 1, Float2 movement = {}) {
    return {tool, center, movement, radius, intensity};
}

// Samples as the canvas queues them, and the dabs they make. Brushes of radius 10 step
// every 2 pixels, of radius 4 or less every pixel.
TEST_F(QueuedStrokeProcessorTest, SamplesBecomeTheirDabs) {
    using Sample = StrokeSample;
    struct Case {
        const char* name;
        std::vector<StrokeSample> samples;
        std::vector<BrushStamp> dabs;
    };
    const Case cases[] = {
        {"a Push click without movement", {Sample::begin(kPush, {10, 10}, 5), Sample::move(kPush, {10, 10}, 5)}, {}},
        {"a Grow click", {Sample::begin(kGrow, {7, 8}, 5)}, {dab(kGrow, {7, 8}, 5)}},
        {"a Shrink click", {Sample::begin(kShrink, {7, 8}, 5)}, {dab(kShrink, {7, 8}, 5)}},
        {"a Reconstruct click", {Sample::begin(kReconstruct, {7, 8}, 5)}, {dab(kReconstruct, {7, 8}, 5)}},
        {"a move shorter than a step: one weaker dab at the new point",
         {Sample::begin(kGrow, {0, 0}, 3), Sample::move(kGrow, {0.5f, 0}, 3)},
         {dab(kGrow, {0, 0}, 3), dab(kGrow, {0.5f, 0}, 3, 0.5f)}},
        {"a long move: equal full steps",
         {Sample::begin(kGrow, {0, 0}, 10), Sample::move(kGrow, {6, 0}, 10)},
         {dab(kGrow, {0, 0}, 10), dab(kGrow, {2, 0}, 10), dab(kGrow, {4, 0}, 10), dab(kGrow, {6, 0}, 10)}},
        {"Push dabs at the step midpoints, carrying the step",
         {Sample::begin(kPush, {0, 0}, 10), Sample::move(kPush, {6, 0}, 10)},
         {dab(kPush, {1, 0}, 10, 1, {2, 0}), dab(kPush, {3, 0}, 10, 1, {2, 0}), dab(kPush, {5, 0}, 10, 1, {2, 0})}},
        {"steps end exactly at each new point, carrying no remainder",
         {Sample::begin(kGrow, {0, 0}, 10), Sample::move(kGrow, {3, 0}, 10), Sample::move(kGrow, {6, 0}, 10)},
         {dab(kGrow, {0, 0}, 10), dab(kGrow, {1.5f, 0}, 10, 0.75f), dab(kGrow, {3, 0}, 10, 0.75f),
          dab(kGrow, {4.5f, 0}, 10, 0.75f), dab(kGrow, {6, 0}, 10, 0.75f)}},
        {"a small brush steps no less than a pixel",
         {Sample::begin(kGrow, {0, 0}, 4), Sample::move(kGrow, {0, 2}, 4)},
         {dab(kGrow, {0, 0}, 4), dab(kGrow, {0, 1}, 4), dab(kGrow, {0, 2}, 4)}},
        {"Reconstruct repeats dab at the resting point",
         {Sample::begin(kReconstruct, {5, 5}, 8), Sample::reconstructRepeat({6, 5}, 8),
          Sample::reconstructRepeat({6, 5}, 8)},
         {dab(kReconstruct, {5, 5}, 8), dab(kReconstruct, {6, 5}, 8), dab(kReconstruct, {6, 5}, 8)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const StrokeSample& sample : c.samples) processor.append(sample);
        processor.append(StrokeSample::end());
        EXPECT_EQ(drain(), c.dabs);
        EXPECT_FALSE(processor.planner().activeTool().has_value());
    }
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
