#include "canvas/editor_canvas_overlay_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace vlt {
namespace {

const AnnotationColor kBlue{0, 0, 255};

// A 1000 by 600 view. With a 952 by 560 canvas one canvas pixel is one view point on
// the Simulation tab and the image starts at (24, 20).
EditorCanvasOverlayState overlayState(EditorTab tab, QSize canvas = QSize(952, 560), double zoom = 1.0) {
    EditorCanvasOverlayState state;
    state.geometry = EditorViewportGeometry{QSizeF(1000, 600), QSizeF(canvas), tab == EditorTab::comparison, zoom};
    state.canvasSize = canvas;
    state.tab = tab;
    state.showsComparisonLabels = false;
    return state;
}

AnnotationObject filledRectangle(Float2 start, Float2 end) {
    return AnnotationObject{
        QUuid::createUuid(), AnnotationShape{EditorTool::filledRectangle, start, end, 4.0f, kBlue}, {}};
}

QImage painted(const EditorCanvasOverlayState& state) {
    QImage image(1000, 600, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    EditorCanvasOverlayView::paint(painter, state);
    return image;
}

bool isBlank(const QImage& image) {
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    return image == blank;
}

bool isTransparent(QRgb pixel) { return qAlpha(pixel) < 8; }

bool near(QRgb pixel, QColor expected, int tolerance = 6) {
    return std::abs(qRed(pixel) - expected.red()) <= tolerance &&
           std::abs(qGreen(pixel) - expected.green()) <= tolerance &&
           std::abs(qBlue(pixel) - expected.blue()) <= tolerance && qAlpha(pixel) > 200;
}

bool isBlue(QRgb pixel) { return near(pixel, Qt::blue, 40); }

// The accent line of a selection outline: teal, clearly greener and bluer than red.
bool hasAccentAround(const QImage& image, int x, int y) {
    for (int dx = -1; dx <= 1; ++dx) {
        const QRgb pixel = image.pixel(x + dx, y);
        if (qAlpha(pixel) > 200 && qGreen(pixel) - qRed(pixel) > 25 && qBlue(pixel) - qRed(pixel) > 25) return true;
    }
    return false;
}

TEST(EditorCanvasOverlayAnnotationsTest, AnnotationsAppearOnlyOverTheSimulationClippedToItsPane) {
    // A 2000 by 1000 canvas zoomed 2x overflows both 464-point panes of Comparison.
    EditorCanvasOverlayState state = overlayState(EditorTab::comparison, QSize(2000, 1000), 2.0);
    const AnnotationObject object = filledRectangle({0, 0}, {2000, 1000});
    state.annotations.objects = {object};
    const QImage image = painted(state);
    for (int x : {513, 744, 975}) EXPECT_TRUE(isBlue(image.pixel(x, 300))) << x;
    for (int x : {256, 487, 510, 977}) EXPECT_TRUE(isTransparent(image.pixel(x, 300))) << x;
    EXPECT_TRUE(isTransparent(image.pixel(744, 18)));
    EXPECT_TRUE(near(image.pixel(500, 300), QColor(200, 210, 212)));

    // Nothing at all over the Original: no annotation, selection or draft.
    state = overlayState(EditorTab::original);
    state.annotations.objects = {object};
    state.annotations.selectedID = object.id;
    state.annotations.draft = AnnotationDraft{AnnotationStroke{{{10, 10}, {400, 400}}, 6.0f, kBlue}};
    EXPECT_TRUE(isBlank(painted(state)));
    state.tab = EditorTab::simulation;
    EXPECT_FALSE(isBlank(painted(state)));
}

TEST(EditorCanvasOverlayAnnotationsTest, TheSelectionIsOutlinedWhereItIsMovedButNotOnAnimate) {
    EditorCanvasOverlayState state = overlayState(EditorTab::simulation);
    const AnnotationObject object = filledRectangle({100, 100}, {200, 200});
    state.annotations.objects = {object};
    state.annotations.selectedID = object.id;
    EXPECT_TRUE(hasAccentAround(painted(state), 120, 170));
    state.tab = EditorTab::animate;
    const QImage animate = painted(state);
    EXPECT_TRUE(isBlue(animate.pixel(174, 170)));
    EXPECT_FALSE(hasAccentAround(animate, 120, 170));
    // On Animate annotations fade with the morph.
    state.annotationOpacity = 0.0f;
    EXPECT_TRUE(isBlank(painted(state)));

    // The canvas hides the object it moves: it is drawn once, at its moved place.
    state.tab = EditorTab::simulation;
    state.annotations.hiddenIDs = {object.id};
    state.annotations.moveDelta = {300, 0};
    state.annotationOpacity = 0.5f;
    const QImage translucent = painted(state);
    EXPECT_TRUE(isTransparent(translucent.pixel(174, 170)));
    // One draw at half opacity; a second one on top would reach about 191.
    EXPECT_NEAR(qAlpha(translucent.pixel(474, 170)), 128, 4);
    // Bounds (99...201 + 300) grown by 3 points: the outline runs along x = 396 + 24.
    state.annotationOpacity = 1.0f;
    const QImage opaque = painted(state);
    EXPECT_TRUE(hasAccentAround(opaque, 420, 170));
    EXPECT_FALSE(hasAccentAround(opaque, 120, 170));
}

TEST(EditorCanvasOverlayLabelsTest, ChipsSitInTheVisibleImageLongLabelsAreElidedAndBlankOnesLeftOut) {
    const QRectF visible(512, 184, 464, 232);
    const auto shortChip =
        EditorCanvasOverlayView::comparisonLabelChip(QStringLiteral("After"), Qt::AlignRight, visible);
    ASSERT_TRUE(shortChip.has_value());
    EXPECT_EQ(shortChip->shownText, QStringLiteral("After"));
    EXPECT_DOUBLE_EQ(shortChip->chipRect.right(), visible.right() - 14);
    EXPECT_FALSE(
        EditorCanvasOverlayView::comparisonLabelChip(QStringLiteral("A"), Qt::AlignLeft, QRectF(10, 10, 4, 100))
            .has_value());

    EditorCanvasOverlayState state = overlayState(EditorTab::comparison, QSize(2000, 1000));
    state.showsComparisonLabels = true;
    state.originalComparisonLabel = QStringLiteral("   ");
    state.simulationComparisonLabel = QString(QStringLiteral("Simulation ")).repeated(20);
    const auto longChip =
        EditorCanvasOverlayView::comparisonLabelChip(state.simulationComparisonLabel, Qt::AlignLeft, visible);
    ASSERT_TRUE(longChip.has_value());
    EXPECT_TRUE(longChip->shownText.endsWith(QChar(0x2026)));
    EXPECT_LT(longChip->shownText.size(), state.simulationComparisonLabel.size());
    const QImage image = painted(state);
    // Right pane image: (512, 184, 464, 232); the long chip fills it but for its margins,
    // 526...962.
    const QColor chip = QColor::fromRgbF(0.086f, 0.298f, 0.322f);
    EXPECT_TRUE(near(image.pixel(530, 202), chip, 8));
    EXPECT_TRUE(near(image.pixel(958, 202), chip, 8));
    EXPECT_TRUE(isTransparent(image.pixel(966, 202)));
    // No chip for the blank Original label.
    EXPECT_TRUE(isTransparent(image.pixel(60, 202)));
}

TEST(EditorCanvasOverlayBrushTest, OutlineOnlyInsideTheDisplayedSimulationImage) {
    // 2000 by 1000 canvas fitted at 0.476: image (24, 62, 952, 476); a 200-pixel brush
    // is 95.2 points wide.
    EditorCanvasOverlayState state = overlayState(EditorTab::simulation, QSize(2000, 1000));
    state.toolDiameter = 200;
    state.hoverPoint = QPointF(500, 300);
    const QImage image = painted(state);
    EXPECT_TRUE(near(image.pixel(500, 300), Qt::white, 30));
    EXPECT_GT(qAlpha(image.pixel(547, 300)), 150);
    EXPECT_TRUE(isTransparent(image.pixel(530, 300)));
    EXPECT_TRUE(isTransparent(image.pixel(560, 300)));

    state.hoverPoint = QPointF(500, 40);  // in the pane, above the image
    EXPECT_TRUE(isBlank(painted(state)));

    state.hoverPoint = QPointF(30, 300);  // the circle is cut at the image edge
    const QImage clipped = painted(state);
    EXPECT_GT(qAlpha(clipped.pixel(77, 300)), 150);
    for (int x = 0; x < 24; ++x) EXPECT_TRUE(isTransparent(clipped.pixel(x, 300 - 10)));

    state.hoverPoint = QPointF(500, 300);
    for (EditorTool tool :
         {EditorTool::selectMove, EditorTool::line, EditorTool::rectangle, EditorTool::filledRectangle,
          EditorTool::circle, EditorTool::filledCircle, EditorTool::text}) {
        state.tool = tool;
        EXPECT_TRUE(isBlank(painted(state))) << rawValue(tool);
    }
    state.tool = EditorTool::eraser;
    EXPECT_FALSE(isBlank(painted(state)));
    state.tab = EditorTab::animate;
    EXPECT_TRUE(isBlank(painted(state)));

    // On Comparison only over the right pane.
    state = overlayState(EditorTab::comparison, QSize(2000, 1000));
    state.toolDiameter = 200;
    state.hoverPoint = QPointF(256, 300);
    EXPECT_TRUE(isTransparent(painted(state).pixel(256, 300)));
    state.hoverPoint = QPointF(744, 300);
    EXPECT_TRUE(near(painted(state).pixel(744, 300), Qt::white, 30));
}

QImage paintedAtRatio(const EditorCanvasOverlayState& state, double ratio) {
    QImage image(static_cast<int>(1000 * ratio), static_cast<int>(600 * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    EditorCanvasOverlayView::paint(painter, state);
    return image;
}

// The outline is drawn once per brush size and display scale and then placed: it
// follows each new size, scale and pointer position.
TEST(EditorCanvasOverlayBrushTest, OutlineFollowsTheBrushSizeTheDisplayScaleAndAFractionalPointer) {
    // One canvas pixel is one view point: a 100-pixel brush is 50 points in radius.
    EditorCanvasOverlayState state = overlayState(EditorTab::simulation);
    state.toolDiameter = 100;
    state.hoverPoint = QPointF(500, 300);
    EXPECT_GT(qAlpha(painted(state).pixel(550, 300)), 150);
    EXPECT_TRUE(isTransparent(painted(state).pixel(530, 300)));

    state.toolDiameter = 60;
    QImage image = painted(state);
    EXPECT_GT(qAlpha(image.pixel(530, 300)), 150);
    EXPECT_TRUE(isTransparent(image.pixel(550, 300)));

    // A pointer between pixels: the dot and ring stay round it.
    state.hoverPoint = QPointF(400.4, 250.6);
    image = painted(state);
    EXPECT_TRUE(near(image.pixel(400, 251), Qt::white, 30));
    EXPECT_GT(qAlpha(image.pixel(430, 251)), 150);
    EXPECT_GT(qAlpha(image.pixel(400, 281)), 150);
    EXPECT_TRUE(isTransparent(image.pixel(500, 300)));

    // Twice the device pixels: the same place in view points.
    image = paintedAtRatio(state, 2.0);
    EXPECT_TRUE(near(image.pixel(801, 501), Qt::white, 30));
    EXPECT_GT(qAlpha(image.pixel(860, 502)), 150);
    EXPECT_TRUE(isTransparent(image.pixel(840, 502)));
    EXPECT_TRUE(isTransparent(image.pixel(880, 502)));
}

}  // namespace
}  // namespace vlt
