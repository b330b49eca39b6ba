#include "editing/engine/stationary_reconstruct_planner.h"

#include <gtest/gtest.h>

#include "editing/engine/queued_stroke_processor.h"

namespace vlt {
namespace {

TEST(StationaryReconstructPlannerTest, ALateFrameQueuesOneRepeatPerPassedInterval) {
    StationaryReconstructPlanner planner;
    QueuedStrokeProcessor queue;
    planner.begin(DeformationTool::reconstruct, {5, 5}, 4, 10.0);
    planner.update({6, 5}, 4, 10.5);
    EXPECT_EQ(planner.queueDueRepeats(10.71, queue), 4);
    ASSERT_EQ(queue.pending().size(), 4u);
    EXPECT_EQ(queue.pending()[0], StrokeSample::reconstructRepeat({6, 5}, 4));
    EXPECT_EQ(planner.queueDueRepeats(10.74, queue), 0);
    EXPECT_EQ(planner.queueDueRepeats(10.76, queue), 1);
}

TEST(StationaryReconstructPlannerTest, AMovingBrushNeverRepeatsButARestingOneDoes) {
    StationaryReconstructPlanner planner;
    QueuedStrokeProcessor queue;
    planner.begin(DeformationTool::reconstruct, {0, 0}, 4, 0.0);
    for (int i = 1; i <= 10; ++i) {
        planner.update({static_cast<float>(i), 0}, 4, 0.04 * i);
        EXPECT_EQ(planner.queueDueRepeats(0.04 * i, queue), 0);
    }
    planner.update({10, 0}, 4, 0.5);
    EXPECT_DOUBLE_EQ(planner.nextRepeat(), 0.4 + StationaryReconstructPlanner::kRepeatInterval);
    EXPECT_EQ(planner.queueDueRepeats(0.52, queue), 2);
}

TEST(StationaryReconstructPlannerTest, ALongStallCatchesUpAtMostOneSecondOfRepeats) {
    StationaryReconstructPlanner planner;
    QueuedStrokeProcessor queue;
    planner.begin(DeformationTool::reconstruct, {0, 0}, 4, 0.0);
    EXPECT_EQ(planner.queueDueRepeats(3600.0, queue), StationaryReconstructPlanner::kMaximumCatchUpRepeats);
    EXPECT_GT(planner.nextRepeat(), 3600.0);
    EXPECT_EQ(planner.queueDueRepeats(3600.01, queue), 0);
}

// Other brushes never repeat, nor a Reconstruct stroke after it was deactivated.
TEST(StationaryReconstructPlannerTest, OnlyAnActiveReconstructStrokeRepeats) {
    StationaryReconstructPlanner planner;
    QueuedStrokeProcessor queue;
    planner.begin(DeformationTool::grow, {5, 5}, 4, 10.0);
    EXPECT_FALSE(planner.isActive());
    EXPECT_EQ(planner.queueDueRepeats(20.0, queue), 0);
    planner.begin(DeformationTool::reconstruct, {0, 0}, 4, 0.0);
    planner.deactivate();
    planner.update({3, 3}, 4, 1.0);
    EXPECT_EQ(planner.point(), (Float2{0, 0}));
    EXPECT_EQ(planner.queueDueRepeats(1.0, queue), 0);
    EXPECT_TRUE(queue.pending().empty());
}

}  // namespace
}  // namespace vlt
