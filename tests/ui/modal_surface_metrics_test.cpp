#include "ui/modal_surface_metrics.h"

#include <gtest/gtest.h>

namespace vlt {
namespace {

constexpr ModalSurfaceMetrics kShortcutsLike{680, 900, 440, 820};
constexpr ModalSurfaceMetrics kSettingsLike{720, 940, 360, 650};

TEST(ModalSurfaceMetricsTest, HeightFollowsTheWindowBetweenItsLimits) {
    EXPECT_EQ(kShortcutsLike.surfaceSize({1180, 600}).height(), 560);
    EXPECT_EQ(kShortcutsLike.surfaceSize({1180, 400}).height(), 440);
    EXPECT_EQ(kShortcutsLike.surfaceSize({1180, 1000}).height(), 820);
    EXPECT_EQ(kSettingsLike.surfaceSize({1180, 1000}).height(), 650);
    EXPECT_EQ(kSettingsLike.surfaceSize({1180, 500}).height(), 460);
    EXPECT_EQ(kSettingsLike.surfaceSize({1180, 300}).height(), 360);
}

TEST(ModalSurfaceMetricsTest, WidthKeepsMarginsUntilItsMinimumAndStopsAtItsMaximum) {
    EXPECT_EQ(kShortcutsLike.surfaceSize({1600, 800}).width(), 900);
    EXPECT_EQ(kShortcutsLike.surfaceSize({856, 800}).width(), 800);
    EXPECT_EQ(kShortcutsLike.surfaceSize({700, 800}).width(), 680);
    EXPECT_EQ(kSettingsLike.surfaceSize({1180, 820}).width(), 940);
    EXPECT_EQ(kSettingsLike.surfaceSize({600, 820}).width(), 720);
}

}  // namespace
}  // namespace vlt
