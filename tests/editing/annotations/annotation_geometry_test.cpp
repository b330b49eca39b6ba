#include <gtest/gtest.h>

#include <cmath>

#include <QGlyphRun>
#include <QRawFont>
#include <QRectF>
#include <QSizeF>
#include <QTextLayout>

#include "editing/annotations/annotation_bounds.h"
#include "editing/annotations/annotation_halo.h"
#include "editing/annotations/annotation_hit_test.h"
#include "editing/annotations/annotation_shape_geometry.h"
#include "editing/annotations/annotation_text_layout.h"
#include "editing/annotations/interpolated_points.h"

namespace vlt {
namespace {

const AnnotationColor kWhite{255, 255, 255};

AnnotationShape shape(EditorTool tool, Float2 start, Float2 end, float size = 4.0f) {
    return AnnotationShape{tool, start, end, size, kWhite};
}

AnnotationText text(const QString& content, Float2 origin = {100, 100}, float fontSize = 40.0f) {
    return AnnotationText{content, origin, kWhite, AnnotationFontStyle{QStringLiteral("Arial"), fontSize, 9, false}};
}

TEST(AnnotationHaloTest, ColourFollowsLuminanceAroundOneTenth) {
    const AnnotationColor black{0, 0, 0};
    const AnnotationColor white{255, 255, 255};
    EXPECT_EQ(haloColor({255, 0, 0}), black);
    EXPECT_EQ(haloColor({0, 0, 255}), white);
    EXPECT_EQ(haloColor({128, 128, 128}), black);
    EXPECT_EQ(haloColor({89, 89, 89}), white);
    EXPECT_EQ(haloColor({90, 90, 90}), black);
    EXPECT_EQ(haloColor({0, 0, 0}), white);
    EXPECT_NEAR(relativeLuminance({255, 0, 0}), 0.2126, 1e-9);
}

// Stroke halos are measured in drawn pixels, the text halo's share in the bounds.
TEST(AnnotationHaloTest, TextHaloWidthsAreClamped) {
    EXPECT_EQ(annotationTextHaloWidth(10.0f), 1.0f);
    EXPECT_EQ(annotationTextHaloWidth(160.0f), 4.0f);
}

TEST(AnnotationShapeGeometryTest, ShapesTooSmallToDrawMakeNothing) {
    EXPECT_FALSE(annotationShapeIsDrawable(shape(EditorTool::rectangle, {10, 10}, {60, 10})));
    EXPECT_FALSE(annotationShapeIsDrawable(shape(EditorTool::filledRectangle, {10, 10}, {10, 60})));
    EXPECT_TRUE(annotationShapeIsDrawable(shape(EditorTool::circle, {10, 10}, {60, 10})));
    EXPECT_TRUE(annotationShapeIsDrawable(shape(EditorTool::line, {10, 10}, {11, 10})));
    EXPECT_FALSE(annotationShapeIsDrawable(shape(EditorTool::line, {10, 10}, {10.9f, 10})));
    EXPECT_FALSE(annotationShapeIsDrawable(shape(EditorTool::filledCircle, {10, 10}, {10.6f, 10.6f})));
}

TEST(AnnotationShapeGeometryTest, CircleGrowsFromTheStartTowardThePointer) {
    EXPECT_EQ(annotationCircleRect({10, 10}, {60, 10}), QRectF(10, 10, 50, 50));
    EXPECT_EQ(annotationCircleRect({10, 10}, {-20, 0}), QRectF(-20, -20, 30, 30));
    EXPECT_EQ(annotationCircleRect({10, 10}, {20, -40}), QRectF(10, -40, 50, 50));
}

TEST(AnnotationHitTestTest, StrokeReachesHalfItsSizePlusHalo) {
    const AnnotationContent stroke = AnnotationStroke{{{0, 0}, {100, 0}}, 10.0f, kWhite};
    EXPECT_TRUE(annotationContentHitTest(stroke, {50, 7}, 0.0f));
    EXPECT_FALSE(annotationContentHitTest(stroke, {50, 8}, 0.0f));
    EXPECT_TRUE(annotationContentHitTest(stroke, {50, 8}, 1.0f));
    EXPECT_TRUE(annotationContentHitTest(stroke, {-7, 0}, 0.0f));
    EXPECT_FALSE(annotationContentHitTest(stroke, {108, 0}, 0.0f));
    EXPECT_FALSE(annotationContentHitTest(stroke, {50, 8}, -3.0f));

    const AnnotationContent dot = AnnotationStroke{{{5, 5}}, 4.0f, kWhite};
    EXPECT_TRUE(annotationContentHitTest(dot, {8, 5}, 0.0f));
    EXPECT_FALSE(annotationContentHitTest(AnnotationStroke{{}, 4.0f, kWhite}, {0, 0}, 100.0f));
}

TEST(AnnotationHitTestTest, OpenCircleIsARingAndFilledCircleADisc) {
    const AnnotationShape open = shape(EditorTool::circle, {0, 0}, {100, 100}, 4.0f);
    EXPECT_FALSE(annotationShapeHitTest(open, {50, 50}, 5.0f));
    EXPECT_TRUE(annotationShapeHitTest(open, {50, 0}, 5.0f));
    EXPECT_TRUE(annotationShapeHitTest(open, {50, -7.5f}, 5.0f));
    EXPECT_FALSE(annotationShapeHitTest(open, {50, -8.5f}, 5.0f));

    const AnnotationShape filled = shape(EditorTool::filledCircle, {0, 0}, {100, 100}, 4.0f);
    EXPECT_TRUE(annotationShapeHitTest(filled, {50, 50}, 5.0f));
    EXPECT_TRUE(annotationShapeHitTest(filled, {50, -5.5f}, 5.0f));
    EXPECT_FALSE(annotationShapeHitTest(filled, {50, -6.5f}, 5.0f));
}

TEST(AnnotationHitTestTest, RectanglesLinesAndDegenerateShapes) {
    const AnnotationShape outline = shape(EditorTool::rectangle, {0, 0}, {100, 60}, 4.0f);
    EXPECT_FALSE(annotationShapeHitTest(outline, {50, 30}, 2.0f));
    EXPECT_TRUE(annotationShapeHitTest(outline, {2, 30}, 2.0f));
    EXPECT_TRUE(annotationShapeHitTest(outline, {-4, 30}, 2.0f));
    EXPECT_FALSE(annotationShapeHitTest(outline, {-6, 30}, 2.0f));
    const AnnotationShape small = shape(EditorTool::rectangle, {0, 0}, {6, 6}, 4.0f);
    EXPECT_TRUE(annotationShapeHitTest(small, {3, 3}, 2.0f));

    EXPECT_TRUE(annotationShapeHitTest(shape(EditorTool::filledRectangle, {0, 0}, {100, 60}), {50, 30}, 0.0f));
    EXPECT_FALSE(annotationShapeHitTest(shape(EditorTool::rectangle, {0, 0}, {100, 0}), {50, 0}, 5.0f));

    const AnnotationShape line = shape(EditorTool::line, {0, 0}, {100, 0}, 4.0f);
    EXPECT_TRUE(annotationShapeHitTest(line, {50, 3}, 0.0f));
    EXPECT_FALSE(annotationShapeHitTest(line, {50, 3.5f}, 0.0f));
    EXPECT_TRUE(annotationShapeHitTest(shape(EditorTool::line, {5, 5}, {5, 5}), {5, 8}, 0.0f));
}

TEST(AnnotationHitTestTest, TextIsHitInsideItsBoxEvenWhenBlank) {
    const AnnotationText hello = text(QStringLiteral("Hello\nworld"));
    const QSizeF box = annotationTextBoxSize(hello);
    EXPECT_GT(box.width(), 40.0);
    EXPECT_GT(box.height(), 80.0);
    EXPECT_TRUE(annotationContentHitTest(hello, {101, 101}, 0.0f));
    EXPECT_TRUE(annotationContentHitTest(hello, {100 + static_cast<float>(box.width()) + 2.0f, 110}, 0.0f));
    EXPECT_FALSE(annotationContentHitTest(hello, {100 + static_cast<float>(box.width()) + 4.0f, 110}, 0.0f));

    const AnnotationText blank = text(QStringLiteral("  \n "));
    EXPECT_GE(annotationTextBoxSize(blank).width(), 1.0);
    EXPECT_TRUE(annotationContentHitTest(blank, {101, 101}, 0.0f));
}

TEST(AnnotationTextLayoutTest, BoxScalesWithTheFontAndCountsLines) {
    const QSizeF one = annotationTextBoxSize(text(QStringLiteral("Sample"), {0, 0}, 40.0f));
    const QSizeF two = annotationTextBoxSize(text(QStringLiteral("Sample"), {0, 0}, 80.0f));
    EXPECT_NEAR(two.width() / one.width(), 2.0, 0.05);
    const QSizeF lines = annotationTextBoxSize(text(QStringLiteral("Sample\nSample\nSample"), {0, 0}, 40.0f));
    EXPECT_EQ(lines.width(), one.width());
    EXPECT_NEAR(lines.height() / one.height(), 3.0, 0.05);
    EXPECT_EQ(AnnotationTextLayout::resolvedFont({QStringLiteral("Arial"), 20, 9, false}).family(),
              QStringLiteral("Liberation Sans"));
    const QFont black = AnnotationTextLayout::resolvedFont({QStringLiteral("Arial-Black"), 20, 5, false});
    EXPECT_EQ(black.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(black.weight(), QFont::Black);
    EXPECT_EQ(AnnotationTextLayout::resolvedFont({QStringLiteral("System"), 20, 5, true}).family(),
              QStringLiteral("DejaVu Sans"));
}

// Labels drawn into images use "Arial-Black"; in its place the system family stands at
// black weight, and Japanese, Korean and Chinese letters come from the black Noto Sans
// CJK rather than a fallback at the system family's bold, so they are as heavy as the
// Latin letters beside them.
TEST(AnnotationTextLayoutTest, KanaHangulAndHanOfABlackTextAreBlackToo) {
    const QFont black = AnnotationTextLayout::resolvedFont({QStringLiteral("Arial-Black"), 20, 5, false});
    QTextLayout layout(QStringLiteral("Original オリジナル 원본 原图"), black);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    ASSERT_GE(runs.size(), 2);
    for (const QGlyphRun& run : runs) {
        const QRawFont face = run.rawFont();
        SCOPED_TRACE(face.familyName().toStdString() + " " + face.styleName().toStdString());
        if (face.familyName() == QStringLiteral("DejaVu Sans")) {
            EXPECT_EQ(face.styleName(), QStringLiteral("Bold"));
        } else {
            EXPECT_TRUE(face.familyName().startsWith(QStringLiteral("Noto Sans CJK")));
            EXPECT_EQ(face.styleName(), QStringLiteral("Black"));
        }
    }
}

TEST(AnnotationBoundsTest, BoundsIncludeHalfWidthAndHalo) {
    const AnnotationContent stroke = AnnotationStroke{{{10, 20}, {50, 5}}, 10.0f, kWhite};
    EXPECT_EQ(annotationContentBounds(stroke), QRectF(3, -2, 54, 29));
    EXPECT_TRUE(annotationContentBounds(AnnotationStroke{{}, 10.0f, kWhite}).isNull());

    EXPECT_EQ(annotationContentBounds(shape(EditorTool::line, {0, 0}, {100, 0}, 10.0f)), QRectF(-7, -7, 114, 14));
    EXPECT_EQ(annotationContentBounds(shape(EditorTool::filledRectangle, {0, 0}, {100, 50}, 10.0f)),
              QRectF(-2, -2, 104, 54));
    EXPECT_EQ(annotationContentBounds(shape(EditorTool::circle, {0, 0}, {40, 10}, 10.0f)), QRectF(-7, -7, 54, 54));

    const AnnotationText hello = text(QStringLiteral("Hi"));
    const QSizeF box = annotationTextBoxSize(hello);
    const QRectF bounds = annotationContentBounds(hello);
    EXPECT_FLOAT_EQ(bounds.left(), 100.0 - 2.4);
    EXPECT_NEAR(bounds.width(), box.width() + 4.8, 1e-5);
}

TEST(InterpolatedPointsTest, StepsToTheEndWithoutTheStart) {
    const std::vector<Float2> points = interpolatedPoints({0, 0}, {10, 0}, 4.0f);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_FLOAT_EQ(points[0].x, 10.0f / 3.0f);
    EXPECT_FLOAT_EQ(points[1].x, 20.0f / 3.0f);
    EXPECT_FLOAT_EQ(points[2].x, 10.0f);
    EXPECT_TRUE(interpolatedPoints({3, 3}, {3, 3}, 1.0f).empty());
    EXPECT_EQ(interpolatedPoints({0, 0}, {0.5f, 0}, 4.0f).size(), 1u);
    // A position that is not finite yields nothing rather than an unbounded list.
    EXPECT_TRUE(interpolatedPoints({0, 0}, {INFINITY, 0}, 1.0f).empty());
}

}  // namespace
}  // namespace vlt
