#include "ui/modal_surface_metrics.h"

#include <gtest/gtest.h>

namespace vlt {
namespace {

// The Shortcuts dialog's limits are tested with the dialog; these are another dialog's.
constexpr ModalSurfaceMetrics kSettingsLike{720, 940, 360, 650};

TEST(ModalSurfaceMetricsTest, SizeKeepsMarginsBetweenItsLimits) {
    const std::pair<QSize, QSize> cases[] = {
        {{1180, 1000}, {940, 650}}, {{1180, 500}, {940, 460}}, {{1180, 300}, {940, 360}},
        {{856, 820}, {800, 650}},   {{600, 820}, {720, 650}},
    };
    for (const auto& [window, surface] : cases) EXPECT_EQ(kSettingsLike.surfaceSize(window), surface) << window.width();
}

}  // namespace
}  // namespace vlt
