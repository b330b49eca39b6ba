#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include <QImage>

#include "ui/srgb_color.h"
#include "ui/workspace_grid.h"

namespace vlt {
namespace {

// Faint lines every 32 points from the top left, the far edge included.
TEST(WorkspaceGridTest, DrawsFaintLinesOnlyAtTheGridPositions) {
    EXPECT_TRUE(WorkspaceGrid::linePositions(31.0).empty());
    EXPECT_EQ(WorkspaceGrid::linePositions(100.0), (std::vector<double>{32.0, 64.0, 96.0}));
    const QColor background = makeSRGBColor(0.925, 0.918, 0.89);
    WorkspaceGrid grid;
    grid.resize(65, 65);
    QImage image(65, 65, QImage::Format_ARGB32);
    image.fill(background);
    grid.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(image.pixel(10, 10), background.rgb());
    EXPECT_NE(image.pixel(32, 10), background.rgb());
    EXPECT_NE(image.pixel(10, 32), background.rgb());
    EXPECT_NE(image.pixel(64, 10), background.rgb());
    EXPECT_LT(std::abs(image.pixelColor(32, 10).red() - background.red()), 20);
}

}  // namespace
}  // namespace vlt
