#include "editing/canvas/editor_viewport_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vlt {
namespace {

EditorViewportGeometry geometry(double viewWidth, double viewHeight, double imageWidth,
                                double imageHeight, bool comparison = false, double zoom = 1.0) {
    return EditorViewportGeometry{QSizeF(viewWidth, viewHeight), QSizeF(imageWidth, imageHeight),
                                  comparison, zoom};
}

TEST(EditorViewportGeometryTest, SinglePanelKeepsTheMargins) {
    const auto panels = geometry(1000, 600, 2000, 1000).panelRects();
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_EQ(panels[0], QRectF(24, 20, 952, 560));
    EXPECT_FALSE(geometry(1000, 600, 2000, 1000).comparisonGapRect().has_value());
}

TEST(EditorViewportGeometryTest, ComparisonSplitsTheContentAroundAGap) {
    const auto subject = geometry(1000, 600, 2000, 1000, true);
    const auto panels = subject.panelRects();
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_EQ(panels[0], QRectF(24, 20, 464, 560));
    EXPECT_EQ(panels[1], QRectF(512, 20, 464, 560));
    ASSERT_TRUE(subject.comparisonGapRect().has_value());
    EXPECT_EQ(*subject.comparisonGapRect(), QRectF(488, 20, 24, 560));
}

TEST(EditorViewportGeometryTest, TinyViewKeepsAOnePointContent) {
    const auto single = geometry(10, 10, 100, 100).panelRects();
    EXPECT_EQ(single[0], QRectF(4.5, 4.5, 1, 1));

    const auto comparison = geometry(10, 10, 100, 100, true);
    const auto panels = comparison.panelRects();
    EXPECT_EQ(panels[0], QRectF(4.5, 4.5, 1, 1));
    EXPECT_EQ(panels[1], QRectF(5.5, 4.5, 1, 1));
    EXPECT_EQ(comparison.comparisonGapRect()->width(), 0.0);
}

TEST(EditorViewportGeometryTest, FitScaleUsesTheFirstPanel) {
    EXPECT_DOUBLE_EQ(geometry(1000, 600, 2000, 1000).fitScale(), 0.476);
    EXPECT_DOUBLE_EQ(geometry(1000, 600, 2000, 1000, true).fitScale(), 464.0 / 2000.0);
    EXPECT_EQ(geometry(0, 0, 2000, 1000).fitScale(), 1.0);
    EXPECT_EQ(geometry(1000, 600, 0, 1000).fitScale(), 1.0);
    EXPECT_EQ(geometry(1000, -5, 2000, 1000).fitScale(), 1.0);
}

TEST(EditorViewportGeometryTest, FittedImageIsCentredAndNeedsNoScrollers) {
    const auto fitted = geometry(1000, 600, 2000, 1000);
    const QSizeF displayed = fitted.displayedImageSize();
    EXPECT_DOUBLE_EQ(displayed.width(), 952.0);
    EXPECT_DOUBLE_EQ(displayed.height(), 476.0);
    EXPECT_EQ(fitted.clampedCenter(QPointF(0.0, 0.9)), QPointF(0.5, 0.5));
    EXPECT_FALSE(fitted.scrollerKnob(true, QPointF(0.2, 0.2)).has_value());
    EXPECT_FALSE(fitted.scrollerKnob(false, QPointF(0.2, 0.2)).has_value());
}

TEST(EditorViewportGeometryTest, ZoomedImageIsClampedAtItsEdges) {
    const auto zoomed = geometry(1000, 600, 2000, 1000, false, 4.0);
    const QSizeF displayed = zoomed.displayedImageSize();
    EXPECT_DOUBLE_EQ(displayed.width(), 3808.0);
    EXPECT_DOUBLE_EQ(displayed.height(), 1904.0);

    const QPointF clamped = zoomed.clampedCenter(QPointF(0.0, 2.0));
    EXPECT_DOUBLE_EQ(clamped.x(), 0.125);
    EXPECT_DOUBLE_EQ(clamped.y(), 1.0 - 560.0 / (2.0 * 1904.0));
    const QPointF inside = zoomed.clampedCenter(QPointF(0.4, 0.6));
    EXPECT_DOUBLE_EQ(inside.x(), 0.4);
    EXPECT_DOUBLE_EQ(inside.y(), 0.6);
}

TEST(EditorViewportGeometryTest, CentreThatIsNotANumberIsTreatedAsTheMiddle) {
    const auto zoomed = geometry(1000, 600, 2000, 1000, false, 4.0);
    const QPointF clamped = zoomed.clampedCenter(QPointF(std::nan(""), 0.3));
    EXPECT_DOUBLE_EQ(clamped.x(), 0.5);
    EXPECT_DOUBLE_EQ(clamped.y(), 0.3);
}

TEST(EditorViewportGeometryTest, ScrollerKnobFollowsTheClampedCentre) {
    const auto zoomed = geometry(1000, 600, 2000, 1000, false, 4.0);
    const auto atLeft = zoomed.scrollerKnob(true, QPointF(0.0, 0.5));
    ASSERT_TRUE(atLeft.has_value());
    EXPECT_DOUBLE_EQ(atLeft->knobProportion, 0.25);
    EXPECT_DOUBLE_EQ(atLeft->value, 0.0);

    const auto middle = zoomed.scrollerKnob(true, QPointF(0.5, 0.5));
    EXPECT_DOUBLE_EQ(middle->value, 0.5);
    const auto atRight = zoomed.scrollerKnob(true, QPointF(1.0, 0.5));
    EXPECT_DOUBLE_EQ(atRight->value, 1.0);

    const auto vertical = zoomed.scrollerKnob(false, QPointF(0.5, 0.5));
    ASSERT_TRUE(vertical.has_value());
    EXPECT_DOUBLE_EQ(vertical->knobProportion, 560.0 / 1904.0);
}

TEST(EditorViewportGeometryTest, ImageRectPlacesTheClampedCentreInThePanelMiddle) {
    const auto zoomed = geometry(1000, 600, 2000, 1000, false, 4.0);
    const QRectF panel = zoomed.panelRects()[0];
    const QRectF image = zoomed.imageRect(panel, QPointF(0.0, 0.5));
    EXPECT_DOUBLE_EQ(image.left(), panel.left());
    EXPECT_DOUBLE_EQ(image.width(), 3808.0);
    EXPECT_DOUBLE_EQ(image.center().y(), panel.center().y());

    const auto fitted = geometry(1000, 600, 2000, 1000);
    EXPECT_EQ(fitted.imageRect(panel, QPointF(0.1, 0.1)), QRectF(24, 62, 952, 476));
}

TEST(EditorViewportGeometryTest, ComparesFieldByField) {
    EXPECT_EQ(geometry(10, 10, 5, 5), geometry(10, 10, 5, 5));
    EXPECT_NE(geometry(10, 10, 5, 5), geometry(10, 10, 5, 5, true));
    EXPECT_NE(geometry(10, 10, 5, 5), geometry(10, 10, 5, 5, false, 2.0));
}

}  // namespace
}  // namespace vlt
