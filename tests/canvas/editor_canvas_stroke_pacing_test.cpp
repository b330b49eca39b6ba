// A stroke that falls behind the pointer, as on a busy or slow machine: frames stay
// bounded and the stroke catches up over the frames of the real clock.

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QRegion>

#include "editor_canvas_test_support.h"
#include "editing/renderer/frame_cost_estimate.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "canvas/editor_canvas_overlay_view.h"

namespace vlt {
namespace {

using testing::CanvasHarness;

// Enough drags of the largest brush across the canvas that their stamps are more
// than two frames may ever compose.
constexpr int kBurstDrags = 40;
constexpr int kCatchUpPatienceMilliseconds = 20000;

std::int64_t workOf(const std::vector<BrushStamp>& stamps) {
    std::int64_t work = 0;
    for (const BrushStamp& stamp : stamps) work += FrameCostEstimate::stampWork(stamp.affectedRegion(256, 256));
    return work;
}

// The last frame composed no more than any frame may, or a single stamp.
void expectLastFrameBounded(const EditorCanvasView& view) {
    const std::vector<BrushStamp>& frame = view.strokes().lastFrameStamps();
    EXPECT_TRUE(frame.size() <= 1 || workOf(frame) <= EditorCanvasView::kMaximumFrameCompositionWork)
        << frame.size() << " stamps, work " << workOf(frame);
}

// Press, and drags that arrive before any frame could be drawn for them.
void pressAndDragInABurst(CanvasHarness& harness) {
    harness.session().setToolDiameter(harness.session().toolDiameterRange().upper);
    harness.settle();
    harness.press(harness.viewPointFor({40, 100}));
    for (int drag = 1; drag <= kBurstDrags; ++drag) {
        const double x = drag % 2 == 1 ? 216.0 : 40.0;
        harness.drag(harness.viewPointFor({x, 100.0 + drag}));
    }
}

std::vector<std::uint8_t> fieldOfTheBurstComposedAtOnce() {
    CanvasHarness harness;
    pressAndDragInABurst(harness);
    harness.view().finishOpenInteraction();
    harness.settle();
    EXPECT_TRUE(harness.session().canUndo());
    return harness.field();
}

TEST(EditorCanvasStrokePacingTest, AStrokeThatFellBehindCatchesUpOverBoundedFramesAndEndsAsIfItHadNot) {
    const std::vector<std::uint8_t> expected = fieldOfTheBurstComposedAtOnce();

    CanvasHarness harness;
    EditorCanvasView& view = harness.view();
    pressAndDragInABurst(harness);
    view.renderFrame();
    expectLastFrameBounded(view);
    EXPECT_GT(view.strokes().waitingStampCount(), 0u);

    // Released, it goes on over the frames of the clock; meanwhile a press starts
    // nothing, as while its tiles are read back.
    harness.releaseOnly(harness.viewPointFor({40, 140}));
    expectLastFrameBounded(view);
    ASSERT_EQ(view.strokes().phase(), BrushStrokeController::Phase::released);
    EXPECT_FALSE(view.isPaused());
    EXPECT_FALSE(harness.session().canUndo());
    harness.press(harness.viewPointFor({120, 200}));
    harness.releaseOnly(harness.viewPointFor({120, 200}));
    EXPECT_EQ(view.strokes().phase(), BrushStrokeController::Phase::released);

    const QDeadlineTimer patience(kCatchUpPatienceMilliseconds);
    while (view.strokes().needsFrames() && !patience.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        expectLastFrameBounded(view);
    }
    ASSERT_FALSE(view.strokes().needsFrames());
    harness.settle();
    EXPECT_TRUE(view.isPaused());
    EXPECT_TRUE(harness.session().canUndo());
    EXPECT_EQ(harness.field(), expected);
}

// A released stroke is the user's finished work. Commands, which act on committed
// work, and whatever cancels a gesture (Escape, the window losing the keyboard)
// finish one that is catching up at once; none of them loses it.
TEST(EditorCanvasStrokePacingTest, ACommandOrACancelDuringTheCatchUpFinishesTheStrokeAtOnce) {
    const std::vector<std::uint8_t> expected = fieldOfTheBurstComposedAtOnce();
    const struct {
        const char* interruption;
        std::function<void(CanvasHarness&)> interrupt;
    } cases[] = {
        // As during an open stroke, the undo waits for the stroke's read-back and does
        // nothing.
        {"undo", [](CanvasHarness& harness) { harness.session().undoEditor(); }},
        {"Escape",
         [](CanvasHarness& harness) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&harness.view(), &escape);
         }},
        {"window deactivated",
         [](CanvasHarness& harness) {
             QEvent deactivate(QEvent::WindowDeactivate);
             QApplication::sendEvent(&harness.view(), &deactivate);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.interruption);
        CanvasHarness harness;
        pressAndDragInABurst(harness);
        harness.releaseOnly(harness.viewPointFor({40, 140}));
        ASSERT_EQ(harness.view().strokes().phase(), BrushStrokeController::Phase::released);
        c.interrupt(harness);
        EXPECT_FALSE(harness.view().strokes().needsFrames());
        harness.settle();
        EXPECT_TRUE(harness.session().canUndo());
        EXPECT_EQ(harness.field(), expected);
    }
}

// Pointer events come faster than frames. During a stroke the overlay follows the
// frames that are shown, so the window is not repainted once per event.
TEST(EditorCanvasStrokePacingTest, RepaintsDuringAStrokeFollowTheShownFramesNotThePointerEvents) {
    CanvasHarness harness;
    EditorCanvasView& view = harness.view();
    int overlayPaints = 0;
    struct PaintCounter : QObject {
        int* paints;
        explicit PaintCounter(int* counted) : paints(counted) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++*paints;
            return false;
        }
    } counter(&overlayPaints);
    view.overlayView()->installEventFilter(&counter);

    harness.press(harness.viewPointFor({60, 60}));
    harness.settle();
    const std::uint64_t shownBefore = view.gpuView().presentedFrameCount();
    overlayPaints = 0;
    constexpr int kDrags = 40;
    for (int drag = 1; drag <= kDrags; ++drag) {
        harness.drag(harness.viewPointFor({60.0 + 3.0 * drag, 60.0 + 2.0 * drag}));
        QCoreApplication::processEvents();
    }
    const auto shown = static_cast<int>(view.gpuView().presentedFrameCount() - shownBefore);
    // Each shown frame repaints what it changed and the overlay's brush outline.
    EXPECT_LE(overlayPaints, 2 * shown + 2) << shown << " frames shown for " << kDrags << " pointer events";
    harness.release(harness.viewPointFor({180, 140}));
    EXPECT_TRUE(harness.session().canUndo());
}

// A frame is shown at its tick by one paint of one rectangle round what it changed
// and where the brush outline moved: a paint clipped to several rectangles has Qt hand
// its rows to a thread pool and wait, which a busy machine turns into a late frame.
TEST(EditorCanvasStrokePacingTest, AFrameIsShownByThePaintOfOneRectangleWithTheBrushOutline) {
    CanvasHarness harness;
    EditorCanvasView& view = harness.view();
    struct HandOverRegions : QObject {
        const GpuView* gpuView;
        std::uint64_t shownAtLastPaint;
        std::vector<QRegion> regions;
        explicit HandOverRegions(const GpuView& watched)
            : gpuView(&watched), shownAtLastPaint(watched.presentedFrameCount()) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() != QEvent::Paint) return false;
            const std::uint64_t shown = gpuView->presentedFrameCount();
            if (shown != shownAtLastPaint) regions.push_back(static_cast<QPaintEvent*>(event)->region());
            shownAtLastPaint = shown;
            return false;
        }
    } handOvers(view.gpuView());

    harness.press(harness.viewPointFor({60, 60}));
    harness.settle();
    view.installEventFilter(&handOvers);
    constexpr int kDrags = 12;
    for (int drag = 1; drag <= kDrags; ++drag) {
        harness.drag(harness.viewPointFor({60.0 + 7.0 * drag, 60.0 + 5.0 * drag}));
        const std::size_t before = handOvers.regions.size();
        const QDeadlineTimer patience(5000);
        while (handOvers.regions.size() == before && !patience.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
    }
    view.removeEventFilter(&handOvers);
    EXPECT_GE(handOvers.regions.size(), static_cast<std::size_t>(kDrags));
    for (const QRegion& region : handOvers.regions) {
        EXPECT_EQ(region.rectCount(), 1) << region.boundingRect().x() << "," << region.boundingRect().y();
        // The brush's neighbourhood, not the whole view.
        EXPECT_LT(region.boundingRect().width(), view.width());
    }
    harness.release(harness.viewPointFor({150, 130}));
    EXPECT_TRUE(harness.session().canUndo());
}

}  // namespace
}  // namespace vlt
