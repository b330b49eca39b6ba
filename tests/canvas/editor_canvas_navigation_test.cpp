#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include <QApplication>
#include <QNativeGestureEvent>
#include <QPointingDevice>
#include <QScrollBar>
#include <QTest>

#include "editor_canvas_test_support.h"
#include "editing/session/editor_messages.h"

namespace vlt {
namespace {

using testing::CanvasHarness;

TEST(EditorCanvasZoomTest, CtrlWheelZoomsAboutThePointerKeepingTheImagePointFixedInEitherPane) {
    struct Case {
        EditorTab tab;
        QSize viewSize;
        int panel;
        QPointF pixel;
    };
    for (const Case& c : {Case{EditorTab::simulation, QSize(400, 300), 0, {110, 140}},
                          Case{EditorTab::comparison, QSize(700, 300), 1, {200, 60}}}) {
        SCOPED_TRACE(std::string(rawValue(c.tab)));
        CanvasHarness harness(c.viewSize);
        harness.selectTab(c.tab);
        const QPointF pointer = harness.viewPointFor(c.pixel, c.panel);
        const auto before = harness.view().canvasPoint(pointer, true);
        ASSERT_TRUE(before.has_value());
        harness.wheel(pointer, QPoint(0, 120 * 5), Qt::ControlModifier);
        EXPECT_NEAR(harness.view().sessionState().zoomFactor, std::exp(0.08 * 5), 1e-9);
        const auto after = harness.view().canvasPoint(pointer, true);
        ASSERT_TRUE(after.has_value());
        EXPECT_NEAR(after->x, before->x, 0.01);
        EXPECT_NEAR(after->y, before->y, 0.01);
        harness.settle();
        EXPECT_NEAR(harness.session().zoomFactor(), std::exp(0.4), 1e-9);
        EXPECT_EQ(harness.session().center(), harness.view().sessionState().center);
    }
}

TEST(EditorCanvasZoomTest, PinchZoomsExceptOnAnimateAndZoomAtItsLimitsChangesAndReportsNothing) {
    CanvasHarness harness;
    int reports = 0;
    harness.view().onZoomChange = [&](double) { ++reports; };
    harness.wheel(QPointF(200, 150), QPoint(0, -120), Qt::ControlModifier);
    EXPECT_EQ(harness.view().sessionState().zoomFactor, 1.0);
    EXPECT_EQ(reports, 0);

    const QPointF pointer = harness.viewPointFor({128, 128});
    auto pinch = [&](quint64 sequence) {
        QNativeGestureEvent event(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2, pointer, pointer,
                                  harness.view().mapToGlobal(pointer), 0.5, QPointF(), sequence);
        QApplication::sendEvent(&harness.view(), &event);
    };
    pinch(1);
    EXPECT_DOUBLE_EQ(harness.view().sessionState().zoomFactor, 1.5);
    EXPECT_EQ(reports, 1);

    harness.view().navigation().zoom(16.0, QPointF(200, 150));
    EXPECT_EQ(reports, 2);
    harness.wheel(QPointF(200, 150), QPoint(0, 120), Qt::ControlModifier);
    EXPECT_EQ(harness.view().sessionState().zoomFactor, 16.0);
    EXPECT_EQ(reports, 2);

    harness.selectTab(EditorTab::animate);
    const double animateZoom = harness.view().sessionState().zoomFactor;
    pinch(2);
    EXPECT_DOUBLE_EQ(harness.view().sessionState().zoomFactor, animateZoom);
}

TEST(EditorCanvasWheelTest, AltWheelResizesTheBrushWithinItsRangeSwallowingTheMomentumAndOtherToolsPan) {
    CanvasHarness harness;
    const double diameter = harness.session().toolDiameter();
    harness.wheel(QPointF(200, 150), QPoint(0, 120 * 2), Qt::AltModifier);
    harness.settle();
    EXPECT_NEAR(harness.session().toolDiameter(), diameter * 1.05 * 1.05, 1e-9);
    EXPECT_EQ(harness.view().sessionState().zoomFactor, 1.0);
    harness.wheel(QPointF(200, 150), QPoint(0, -120 * 400), Qt::AltModifier);
    harness.settle();
    EXPECT_EQ(harness.session().toolDiameter(), harness.session().toolDiameterRange().lower);

    // A trackpad: one proposal per movement, none for the momentum until it ends.
    std::vector<double> proposals;
    harness.view().onBrushDiameterChange = [&](double value) { proposals.push_back(value); };
    harness.wheel(QPointF(200, 150), QPoint(), Qt::AltModifier, QPoint(0, 10), Qt::ScrollUpdate);
    harness.wheel(QPointF(200, 150), QPoint(), Qt::AltModifier, QPoint(0, 10), Qt::ScrollMomentum);
    harness.wheel(QPointF(200, 150), QPoint(), Qt::AltModifier, QPoint(0, 10), Qt::ScrollMomentum);
    EXPECT_EQ(proposals.size(), 1u);
    harness.wheel(QPointF(200, 150), QPoint(), Qt::NoModifier, QPoint(), Qt::ScrollEnd);
    harness.wheel(QPointF(200, 150), QPoint(), Qt::AltModifier, QPoint(0, 10), Qt::ScrollMomentum);
    EXPECT_EQ(proposals.size(), 2u);

    // A tool without a brush size pans instead, zoomed in.
    harness.selectTool(EditorTool::eraser);
    harness.view().navigation().zoom(4.0, QPointF(200, 150));
    harness.settle();
    const double eraserDiameter = harness.session().toolDiameter();
    const QPointF center = harness.view().sessionState().center;
    harness.wheel(QPointF(200, 150), QPoint(0, 120 * 3), Qt::NoModifier);
    harness.settle();
    EXPECT_EQ(harness.session().toolDiameter(), eraserDiameter);
    EXPECT_LT(harness.view().sessionState().center.y(), center.y());
}

TEST(EditorCanvasPanTest, SpacebarAndMiddleButtonPanOnlyWhenZoomedIn) {
    CanvasHarness harness;
    // At the fit both show the hint, and in move mode a press starts the tool instead.
    QTest::keyPress(&harness.view(), Qt::Key_Space);
    EXPECT_FALSE(harness.view().navigation().isSpacebarHeld());
    QTest::keyRelease(&harness.view(), Qt::Key_Space);
    harness.settle();
    EXPECT_EQ(harness.session().transientMessage(), EditorMessages::zoomInBeforeMoving());
    harness.session().clearTransientMessage(EditorMessages::zoomInBeforeMoving());
    harness.press(QPointF(200, 150), Qt::MiddleButton);
    harness.settle();
    EXPECT_EQ(harness.session().transientMessage(), EditorMessages::zoomInBeforeMoving());
    EXPECT_NE(harness.view().gesture(), CanvasGesture::pan);
    harness.release(QPointF(200, 150), Qt::MiddleButton);
    harness.session().setMoveMode(true);
    harness.settle();
    harness.press(harness.viewPointFor({100, 100}));
    EXPECT_NE(harness.view().gesture(), CanvasGesture::pan);
    EXPECT_TRUE(harness.view().strokes().isOpen());
    harness.release(harness.viewPointFor({100, 100}));
    harness.session().setMoveMode(false);
    harness.settle();

    // Zoomed in, a drag moves the image with the pointer.
    harness.view().navigation().zoom(2.0, QPointF(200, 150));
    for (const Qt::MouseButton button : {Qt::MiddleButton, Qt::LeftButton}) {
        if (button == Qt::LeftButton) QTest::keyPress(&harness.view(), Qt::Key_Space);
        const QPointF center = harness.view().sessionState().center;
        harness.press(QPointF(200, 150), button);
        EXPECT_EQ(harness.view().gesture(), CanvasGesture::pan);
        harness.drag(QPointF(160, 120), button);
        EXPECT_GT(harness.view().sessionState().center.x(), center.x());
        EXPECT_GT(harness.view().sessionState().center.y(), center.y());
        if (button == Qt::LeftButton) {
            // Releasing the Spacebar ends the pan.
            QTest::keyRelease(&harness.view(), Qt::Key_Space);
            EXPECT_FALSE(harness.view().navigation().isSpacebarHeld());
            EXPECT_NE(harness.view().gesture(), CanvasGesture::pan);
        }
        harness.release(QPointF(160, 120), button);
        EXPECT_NE(harness.view().gesture(), CanvasGesture::pan);
    }
    harness.settle();
    EXPECT_FALSE(harness.session().canUndo());

    // A stroke holds the pointer: the middle button pans no more until its release.
    harness.press(harness.viewPointFor({100, 100}));
    const QPointF center = harness.view().sessionState().center;
    harness.press(QPointF(200, 150), Qt::MiddleButton);
    harness.drag(QPointF(160, 120), Qt::LeftButton | Qt::MiddleButton);
    EXPECT_EQ(harness.view().gesture(), CanvasGesture::stroke);
    EXPECT_EQ(harness.view().sessionState().center, center);
}

TEST(EditorCanvasScrollerTest, ScrollersShowOnlyWhenZoomedAndStepByTheirRules) {
    CanvasHarness harness;
    EXPECT_FALSE(harness.view().navigation().horizontalScroller()->isVisible());
    harness.view().navigation().zoom(4.0, QPointF(200, 150));
    EXPECT_TRUE(harness.view().navigation().horizontalScroller()->isVisible());
    EXPECT_TRUE(harness.view().navigation().verticalScroller()->isVisible());

    using Part = CanvasNavigationController::ScrollerPart;
    const std::tuple<Part, double, double, double> steps[] = {{Part::incrementArrow, 0.5, 0.25, 0.55},
                                                              {Part::decrementPage, 0.5, 0.25, 0.5 - 0.225},
                                                              {Part::incrementPage, 0.5, 0.01, 0.55},
                                                              {Part::decrementArrow, 0.02, 0.5, 0.0}};
    for (const auto& [part, value, knob, expected] : steps) {
        EXPECT_DOUBLE_EQ(CanvasNavigationController::scrollerValue(part, value, knob), expected);
    }

    const QPointF center = harness.view().sessionState().center;
    const auto knob = harness.view().viewportGeometry().scrollerKnob(true, center);
    ASSERT_TRUE(knob.has_value());
    harness.view().navigation().horizontalScroller()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(harness.view().sessionState().center.x(), center.x() + 0.05 * (1.0 - knob->knobProportion), 1e-3);
}

TEST(EditorCanvasKeyTest, ToolLettersEndTheStrokeAndSelectTheTool) {
    CanvasHarness harness;
    harness.press(harness.viewPointFor({80, 80}));
    harness.drag(harness.viewPointFor({140, 80}));
    QTest::keyClick(&harness.view(), Qt::Key_G);
    EXPECT_FALSE(harness.view().strokes().isOpen());
    harness.release(harness.viewPointFor({140, 80}));
    EXPECT_EQ(harness.session().activeTool(), EditorTool::grow);
    EXPECT_TRUE(harness.session().canUndo());

    QTest::keyClick(&harness.view(), Qt::Key_Z, Qt::ControlModifier);
    harness.settle();
    EXPECT_FALSE(harness.session().canUndo());
    QTest::keyClick(&harness.view(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    harness.settle();
    EXPECT_TRUE(harness.session().canUndo());
}

TEST(EditorCanvasCursorTest, BrushToolsHideTheCursorOverTheImageOnly) {
    CanvasHarness harness;
    harness.drag(harness.viewPointFor({100, 100}), Qt::NoButton);
    EXPECT_TRUE(harness.view().navigation().hidesSystemCursor());
    EXPECT_EQ(harness.view().cursor().shape(), Qt::BlankCursor);
    harness.drag(QPointF(2, 2), Qt::NoButton);
    EXPECT_FALSE(harness.view().navigation().hidesSystemCursor());
    EXPECT_EQ(harness.view().cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace vlt
