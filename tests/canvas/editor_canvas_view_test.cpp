#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QBackingStore>
#include <QPixmap>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "editor_canvas_test_support.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "editing/renderer/presented_frame_image.h"
#include "editing/session/editor_messages.h"
#include "foundation/capturing_event_log_sink.h"
#include "platform/gpu/gpu_fault_injector.h"

namespace vlt {
namespace {

using testing::CanvasHarness;

bool allZero(const std::vector<std::uint8_t>& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte == 0; });
}

TEST(EditorCanvasStrokeTest, PressOnTheOriginalPaneOfComparisonIsRefusedAndOnOriginalSwitchesAndStartsTheStroke) {
    CanvasHarness harness;
    harness.selectTab(EditorTab::comparison);
    harness.press(harness.viewPointFor({100, 100}, 0));
    harness.settle();
    EXPECT_EQ(harness.session().transientMessage(), EditorMessages::originalImageReadOnly());
    EXPECT_FALSE(harness.view().strokes().isOpen());
    EXPECT_EQ(harness.session().selectedTab(), EditorTab::comparison);

    harness.selectTab(EditorTab::original);
    harness.press(harness.viewPointFor({100, 100}));
    EXPECT_EQ(harness.view().sessionState().tab, EditorTab::simulation);
    EXPECT_TRUE(harness.view().strokes().isOpen());
    EXPECT_FALSE(harness.view().isPaused());
    harness.settle();
    EXPECT_EQ(harness.session().selectedTab(), EditorTab::simulation);
    EXPECT_EQ(harness.session().lastNonAnimationTab(), EditorTab::simulation);
    harness.release(harness.viewPointFor({100, 100}));
    EXPECT_TRUE(harness.view().isPaused());
}

TEST(EditorCanvasStrokeTest, StrokesThatChangeNothingRecordNothingAndAPushDragOneThatUndoRedoAndResetFollow) {
    CanvasHarness harness;
    const auto revision = harness.session().historyStateRevision();
    // A Push click makes no stamp; Reconstruct on an unedited field changes no tile.
    harness.click({120, 120});
    harness.selectTool(EditorTool::reconstruct);
    harness.stroke({60, 60}, {180, 180});
    EXPECT_FALSE(harness.session().canUndo());
    EXPECT_FALSE(harness.session().canReset());
    EXPECT_FALSE(harness.view().isHistoryBusy());
    EXPECT_EQ(harness.session().historyStateRevision(), revision);

    harness.selectTool(EditorTool::push);
    harness.stroke({80, 80}, {160, 120});
    EXPECT_TRUE(harness.session().canUndo());
    EXPECT_FALSE(harness.view().isHistoryBusy());
    const std::vector<std::uint8_t> edited = harness.field();
    EXPECT_FALSE(allZero(edited));
    harness.undo();
    EXPECT_TRUE(allZero(harness.field()));
    EXPECT_TRUE(harness.session().canRedo());
    harness.redo();
    EXPECT_EQ(harness.field(), edited);
    harness.session().resetEditor();
    harness.settle();
    EXPECT_TRUE(allZero(harness.field()));
    EXPECT_FALSE(harness.session().canUndo());
    EXPECT_FALSE(harness.session().canReset());
}

// What the window shows is what its backing store holds.
void expectShownAsAfterAWholeRepaint(EditorCanvasView& view) {
    const auto* store = dynamic_cast<const QImage*>(view.backingStore()->paintDevice());
    ASSERT_NE(store, nullptr);
    const QImage shown = store->convertToFormat(QImage::Format_RGB32);
    const QImage whole = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), whole.size());
    EXPECT_TRUE(shown == whole);
}

TEST(EditorCanvasStrokeTest, RepaintingOnlyWhatFramesAndTheBrushChangedShowsWhatAWholeRepaintShows) {
    for (const EditorTab tab : {EditorTab::simulation, EditorTab::comparison}) {
        SCOPED_TRACE(title(tab).toStdString());
        CanvasHarness harness;
        harness.selectTab(tab);
        harness.settle();
        const int panel = tab == EditorTab::comparison ? 1 : 0;
        const auto along = [&](int step) {
            return harness.viewPointFor({60.0 + 12.0 * step, 60.0 + 7.0 * step}, panel);
        };
        // The brush outline alone follows the pointer.
        for (int step = 0; step <= 12; ++step) {
            harness.drag(along(step), Qt::NoButton);
            harness.settle();
        }
        expectShownAsAfterAWholeRepaint(harness.view());
        // A stroke changes the image under it.
        harness.press(along(0));
        for (int step = 1; step <= 12; ++step) {
            harness.drag(along(step));
            harness.view().renderFrame();
            harness.settle();
        }
        expectShownAsAfterAWholeRepaint(harness.view());
        harness.release(along(12));
        // Undo changes the image where the pointer is not.
        harness.drag(harness.viewPointFor({250, 10}, panel), Qt::NoButton);
        harness.undo();
        harness.settle();
        expectShownAsAfterAWholeRepaint(harness.view());
    }
}

// While the frame clock runs, its ticks hand the frames over; once it stops nothing is
// left waiting, and what is shown is the field as it now is.
TEST(EditorCanvasStrokeTest, FramesOfTheFrameClockAreHandedOverAtItsTicksAndNoneIsLeftWhenItStops) {
    CanvasHarness harness;
    const GpuView& gpuView = harness.view().gpuView();
    const auto expectShowsTheCurrentField = [&] {
        EXPECT_FALSE(gpuView.isPacedPresentation());
        EXPECT_FALSE(gpuView.hasHeldFrame());
        expectShownAsAfterAWholeRepaint(harness.view());
        const QImage shown = presentedFrameImage(gpuView).copy();
        harness.view().renderFrame();
        harness.settle();
        EXPECT_TRUE(presentedFrameImage(gpuView) == shown);
    };
    const auto awaitShownFrame = [&] {
        const std::uint64_t shown = gpuView.presentedFrameCount();
        return QTest::qWaitFor([&] { return gpuView.presentedFrameCount() > shown; }, 10000);
    };

    harness.press(harness.viewPointFor({60, 60}));
    bool handedOver = false;
    for (int step = 1; step <= 8; ++step) {
        harness.drag(harness.viewPointFor({60.0 + 15.0 * step, 60.0 + 8.0 * step}));
        ASSERT_TRUE(awaitShownFrame()) << step;
        handedOver = handedOver || gpuView.isPacedPresentation();
    }
    EXPECT_TRUE(handedOver);
    harness.release(harness.viewPointFor({180, 124}));
    EXPECT_TRUE(harness.session().canUndo());
    expectShowsTheCurrentField();

    harness.selectTab(EditorTab::animate);
    ASSERT_TRUE(harness.session().isAnimationPlaying());
    for (int frame = 0; frame < 4; ++frame) ASSERT_TRUE(awaitShownFrame()) << frame;
    harness.selectTab(EditorTab::simulation);
    EXPECT_TRUE(harness.view().isPaused());
    expectShowsTheCurrentField();
}

TEST(EditorCanvasStrokeTest, UndoAtTheFiveStepBoundaryShowsTheLimitMessage) {
    CanvasHarness harness;
    for (int index = 0; index < 6; ++index) {
        const double y = 30.0 + index * 35.0;
        harness.stroke({40, y}, {200, y}, 4);
    }
    for (int index = 0; index < 5; ++index) {
        EXPECT_FALSE(harness.session().transientMessage().has_value()) << index;
        harness.undo();
    }
    EXPECT_EQ(harness.session().transientMessage(), EditorMessages::undoLimitReached());
    EXPECT_FALSE(harness.session().canUndo());

    // Even when nothing is undone.
    harness.session().clearTransientMessage(EditorMessages::undoLimitReached());
    harness.undo();
    EXPECT_EQ(harness.session().transientMessage(), EditorMessages::undoLimitReached());
}

TEST(EditorCanvasAnimateTest, WithoutEditsAnimateShowsItsMessagesDoesNotPlayAndPassesKeysOn) {
    CanvasHarness harness;
    harness.selectTab(EditorTab::animate);
    EXPECT_EQ(harness.session().transientMessage(), EditorMessages::nothingToAnimate());
    EXPECT_FALSE(harness.session().isAnimationPlaying());
    EXPECT_FALSE(harness.view().isAnimationPlaying());
    EXPECT_TRUE(harness.view().isPaused());

    harness.press(harness.viewPointFor({100, 100}));
    harness.settle();
    EXPECT_EQ(harness.session().transientMessage(), EditorMessages::animateTabReadOnly());
    EXPECT_FALSE(harness.view().strokes().isOpen());

    // Keys reach the parent.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, QStringLiteral("d"));
    QApplication::sendEvent(&harness.view(), &key);
    EXPECT_FALSE(key.isAccepted());
    harness.settle();
    EXPECT_EQ(harness.session().activeTool(), EditorTool::push);
}

TEST(EditorCanvasAnimateTest, AnimateAfterAnEditPlaysWhileItIsShownAndInteractionIsNotSuspended) {
    CanvasHarness harness;
    harness.stroke({80, 80}, {160, 120});
    harness.selectTab(EditorTab::animate);
    EXPECT_TRUE(harness.session().isAnimationPlaying());
    EXPECT_FALSE(harness.view().isPaused());
    harness.clock.advance(1.0);
    harness.view().renderFrame();
    EXPECT_GT(harness.view().animationScale(), 0.0f);

    harness.press(harness.viewPointFor({100, 100}), Qt::MiddleButton);
    harness.settle();
    EXPECT_EQ(harness.session().transientMessage(), EditorMessages::stopAnimationHint());

    harness.bridge().setInteractionSuspended(true);
    EXPECT_FALSE(harness.session().isAnimationPlaying());
    EXPECT_TRUE(harness.view().isPaused());
    harness.bridge().setInteractionSuspended(false);
    EXPECT_TRUE(harness.session().isAnimationPlaying());
    EXPECT_FALSE(harness.view().isPaused());

    harness.selectTab(EditorTab::simulation);
    EXPECT_FALSE(harness.session().isAnimationPlaying());
    EXPECT_TRUE(harness.view().isPaused());
    EXPECT_EQ(harness.view().animationScale(), 1.0f);

    // A suspended canvas ignores presses.
    harness.bridge().setInteractionSuspended(true);
    harness.press(harness.viewPointFor({80, 80}));
    EXPECT_FALSE(harness.view().strokes().isOpen());
}

// While a stroke is open a snapshot is refused at once, and a state preparation
// waits for the stroke's read-back.
TEST(EditorCanvasOutputTest, OutputsDuringAStrokeAndAfterIt) {
    CanvasHarness harness;
    harness.openStroke({80, 80}, {160, 120});
    std::optional<Result<StillImageRenderSnapshot>> snapshot;
    harness.session().makeStillImageSnapshot([&](Result<StillImageRenderSnapshot> result) { snapshot = result; });
    ASSERT_TRUE(snapshot.has_value());
    ASSERT_FALSE(snapshot->ok());
    EXPECT_EQ(testing::diagnosticCodeOf(snapshot->error()), "still-renderer-unavailable");
    std::string videoCode;
    harness.session().writeAnimationVideo(
        QStringLiteral("/nonexistent/a.mp4"), {}, [](double) {},
        [&](Result<AnimationVideoDescriptor> result) {
            if (!result.ok()) videoCode = testing::diagnosticCodeOf(result.error());
        });
    EXPECT_EQ(videoCode, "video-renderer-unavailable");
    std::vector<bool> answers;
    harness.session().prepareCommittedEditorState(EditorStatePreparationIntent::output,
                                                  [&](bool canReset) { answers.push_back(canReset); });
    EXPECT_TRUE(answers.empty());
    harness.settle();
    EXPECT_EQ(answers, std::vector<bool>{true});
    EXPECT_TRUE(harness.session().canUndo());

    // The snapshot carries the Simulation and the annotations.
    harness.selectTool(EditorTool::draw);
    harness.stroke({30, 200}, {90, 220}, 3);
    snapshot.reset();
    harness.session().makeStillImageSnapshot([&](Result<StillImageRenderSnapshot> result) { snapshot = result; });
    harness.settle();
    ASSERT_TRUE(snapshot.has_value());
    ASSERT_TRUE(snapshot->ok());
    EXPECT_EQ(snapshot->value().simulation.size(), QSize(256, 256));
    EXPECT_EQ(snapshot->value().original.size(), QSize(256, 256));
    EXPECT_EQ(snapshot->value().annotations.size(), 1u);
    EXPECT_NE(snapshot->value().simulation.convertToFormat(QImage::Format_RGBA8888),
              snapshot->value().original.convertToFormat(QImage::Format_RGBA8888));

    // The video command writes the morph of this canvas at its own size.
    QTemporaryDir folder;
    std::optional<Result<AnimationVideoDescriptor>> video;
    harness.session().writeAnimationVideo(folder.filePath("a.mp4"), {}, {}, [&](auto result) { video = result; });
    QTimer tick;
    tick.start(20);
    for (int turn = 0; turn < 6000 && !video; ++turn) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ASSERT_TRUE(video.has_value() && video->ok());
    EXPECT_EQ(video->value(), (AnimationVideoDescriptor{QSize(256, 256), 9.0}));
    EXPECT_GT(QFileInfo(folder.filePath("a.mp4")).size(), 1000);
}

// A step whose graphics work fails puts the field back as it was before the step, so
// that the history still describes it: a stroke whose frames cannot be composed, a
// finished stroke whose read-back cannot start (its transfer buffer refused) or whose
// work fails (the stroke's last frame runs first), an undo whose upload cannot start.
// The canvas stays failed, says so once, and refuses every later press.
TEST(EditorCanvasFailureTest, AFailedStepLeavesTheFieldAsBeforeAndTheHistoryAgreeing) {
    const auto release = [](CanvasHarness& harness) { harness.release(harness.viewPointFor({150, 150})); };
    const struct {
        const char* situation;
        bool strokeBefore;
        GpuFaultPoint point;
        int skip;
        int times;
        std::function<void(CanvasHarness&)> step;
        const char* failureCode;
    } cases[] = {
        {"compose", true, GpuFaultPoint::computeEncoder, 0, GpuFaultInjector::kEveryTime,
         [](CanvasHarness& harness) {
             harness.drag(harness.viewPointFor({190, 170}));
             harness.view().renderFrame();
             harness.release(harness.viewPointFor({190, 170}));
         },
         "metal-command-encoding-failed"},
        {"read-back buffer", false, GpuFaultPoint::buffer, 0, 1, release, "metal-texture-creation-failed"},
        {"read-back work", false, GpuFaultPoint::commandExecution, 1, 1, release, "metal-command-execution-failed"},
        {"undo upload", true, GpuFaultPoint::commandBuffer, 0, 1, [](CanvasHarness& harness) { harness.undo(); },
         "metal-command-encoding-failed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        ScopedCapturingEventLog log;
        CanvasHarness harness;
        int reported = 0;
        harness.bridge().onGraphicsFailure = [&] { ++reported; };
        if (c.strokeBefore) harness.stroke({80, 80}, {160, 120});
        const std::vector<std::uint8_t> before = harness.field();
        if (c.point != GpuFaultPoint::commandBuffer) {
            harness.openStroke({100, 140}, {150, 150});
            harness.settle();
        }
        harness.device().faultInjector().inject(c.point, c.skip, c.times);
        c.step(harness);

        EXPECT_TRUE(harness.view().hasGraphicsFailure());
        EXPECT_FALSE(harness.view().strokes().isOpen());
        EXPECT_FALSE(harness.view().isHistoryBusy());
        EXPECT_EQ(harness.field(), before);
        EXPECT_EQ(harness.session().canUndo(), c.strokeBefore);
        EXPECT_FALSE(harness.session().canRedo());
        ASSERT_EQ(log->eventsNamed("editor_graphics_failed").size(), 1u);
        EXPECT_EQ(log->eventsNamed("editor_graphics_failed").front().value("failure_code"), c.failureCode);
        harness.press(harness.viewPointFor({60, 60}));
        EXPECT_FALSE(harness.view().strokes().isOpen());
        harness.release(harness.viewPointFor({60, 60}));
        EXPECT_EQ(log->eventsNamed("editor_graphics_failed").size(), 1u);
        EXPECT_EQ(reported, 1);
    }
}

}  // namespace
}  // namespace vlt
