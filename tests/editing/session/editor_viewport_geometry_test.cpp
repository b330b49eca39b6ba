#include "editing/session/editor_viewport_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vlt {
namespace {

EditorViewportGeometry geometry(double viewWidth, double viewHeight, double imageWidth, double imageHeight,
                                bool comparison = false, double zoom = 1.0) {
    return EditorViewportGeometry{QSizeF(viewWidth, viewHeight), QSizeF(imageWidth, imageHeight), comparison, zoom};
}

TEST(EditorViewportGeometryTest, PanelsKeepTheMarginsAndComparisonSplitsThemAroundAGap) {
    struct Case {
        QSizeF view;
        bool comparison;
        std::vector<QRectF> panels;
        std::optional<QRectF> gap;
    };
    const Case cases[] = {
        {{1000, 600}, false, {QRectF(24, 20, 952, 560)}, std::nullopt},
        {{1000, 600}, true, {QRectF(24, 20, 464, 560), QRectF(512, 20, 464, 560)}, QRectF(488, 20, 24, 560)},
        // A tiny view keeps a one-point content, and one-point panels without a gap.
        {{10, 10}, false, {QRectF(4.5, 4.5, 1, 1)}, std::nullopt},
        {{10, 10}, true, {QRectF(4.5, 4.5, 1, 1), QRectF(5.5, 4.5, 1, 1)}, QRectF(5.5, 4.5, 0, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.view.width() << (c.comparison ? " comparison" : ""));
        const EditorViewportGeometry subject{c.view, QSizeF(2000, 1000), c.comparison, 1.0};
        EXPECT_EQ(subject.panelRects(), c.panels);
        EXPECT_EQ(subject.comparisonGapRect(), c.gap);
    }
}

TEST(EditorViewportGeometryTest, FitScaleUsesTheFirstPanelAndIsOneWithoutAnArea) {
    EXPECT_DOUBLE_EQ(geometry(1000, 600, 2000, 1000).fitScale(), 0.476);
    EXPECT_DOUBLE_EQ(geometry(1000, 600, 2000, 1000, true).fitScale(), 464.0 / 2000.0);
    for (const EditorViewportGeometry& empty :
         {geometry(0, 0, 2000, 1000), geometry(1000, 600, 0, 1000), geometry(1000, -5, 2000, 1000)}) {
        EXPECT_EQ(empty.fitScale(), 1.0);
    }
}

TEST(EditorViewportGeometryTest, AFittedImageIsCentredAndNeedsNoScrollers) {
    const auto fitted = geometry(1000, 600, 2000, 1000);
    EXPECT_EQ(fitted.displayedImageSize(), QSizeF(952, 476));
    EXPECT_EQ(fitted.clampedCenter(QPointF(0.0, 0.9)), QPointF(0.5, 0.5));
    EXPECT_FALSE(fitted.scrollerKnob(true, QPointF(0.2, 0.2)).has_value());
    EXPECT_FALSE(fitted.scrollerKnob(false, QPointF(0.2, 0.2)).has_value());
    EXPECT_EQ(fitted.imageRect(fitted.panelRects()[0], QPointF(0.1, 0.1)), QRectF(24, 62, 952, 476));
}

TEST(EditorViewportGeometryTest, AZoomedImageIsClampedAtItsEdgesAndTheScrollersFollowTheClampedCentre) {
    const auto zoomed = geometry(1000, 600, 2000, 1000, false, 4.0);
    EXPECT_EQ(zoomed.displayedImageSize(), QSizeF(3808, 1904));
    EXPECT_EQ(zoomed.clampedCenter(QPointF(0.0, 2.0)), QPointF(0.125, 1.0 - 560.0 / (2.0 * 1904.0)));
    EXPECT_EQ(zoomed.clampedCenter(QPointF(0.4, 0.6)), QPointF(0.4, 0.6));
    // A centre that is not a number is the middle.
    EXPECT_EQ(zoomed.clampedCenter(QPointF(std::nan(""), 0.3)), QPointF(0.5, 0.3));

    const std::pair<double, double> values[] = {{0.0, 0.0}, {0.5, 0.5}, {1.0, 1.0}};
    for (const auto& [x, value] : values) {
        EXPECT_EQ(zoomed.scrollerKnob(true, QPointF(x, 0.5)), (EditorViewportGeometry::ScrollerKnob{value, 0.25})) << x;
    }
    EXPECT_DOUBLE_EQ(zoomed.scrollerKnob(false, QPointF(0.5, 0.5))->knobProportion, 560.0 / 1904.0);

    const QRectF panel = zoomed.panelRects()[0];
    const QRectF image = zoomed.imageRect(panel, QPointF(0.0, 0.5));
    EXPECT_DOUBLE_EQ(image.left(), panel.left());
    EXPECT_DOUBLE_EQ(image.width(), 3808.0);
    EXPECT_DOUBLE_EQ(image.center().y(), panel.center().y());
}

}  // namespace
}  // namespace vlt
