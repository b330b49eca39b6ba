#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "editor_canvas_test_support.h"
#include "foundation/capturing_event_log_sink.h"

namespace vlt {
namespace {

using testing::CanvasHarness;

// A device without the shader library: the canvas can never render.
TEST(EditorCanvasRepresentableTest, ARendererThatCannotBeMadeIsReportedOnceAndCommandsAnswerWithoutIt) {
    ScopedCapturingEventLog log;
    ManualClock clock;
    ManualScheduler scheduler(&clock);
    EditorSession session(nullptr, testing::makeGradientCanvas(64, 48), QStringLiteral("A"), QStringLiteral("B"),
                          scheduler);
    EditorCanvasRepresentable bridge(session, scheduler);
    int reported = 0;
    bridge.onGraphicsFailure = [&] { ++reported; };
    std::vector<bool> prepared;
    {
        EditorCanvasView view(GpuDevice::create(GpuDeviceOptions{std::nullopt, 1}), clock, scheduler);
        bridge.bind(&view);
        EXPECT_TRUE(view.hasGraphicsFailure());
        EXPECT_EQ(view.renderer(), nullptr);
        session.prepareCommittedEditorState(EditorStatePreparationIntent::output,
                                            [&](bool can) { prepared.push_back(can); });
        EXPECT_EQ(prepared, std::vector<bool>{false});
    }
    EXPECT_EQ(reported, 1);
    ASSERT_EQ(log->eventsNamed("editor_graphics_failed").size(), 1u);
    EXPECT_EQ(log->eventsNamed("editor_graphics_failed").front().value("failure_code"), "metal-shader-unavailable");

    // Once the view is gone, plain commands do nothing and the others answer at once.
    ASSERT_EQ(bridge.view(), nullptr);
    session.undoEditor();
    session.redoEditor();
    session.resetEditor();
    session.cancelEditorGesture();
    session.deleteSelectedAnnotation();
    session.editSelectedTextAnnotation();
    session.stopAnimationPlayback();
    session.commitTextEntry(AnnotationTextRequest{QUuid::createUuid(), AnnotationTextRequest::Add{}, {}},
                            QStringLiteral("text"));
    session.prepareCommittedEditorState(EditorStatePreparationIntent::output,
                                        [&](bool can) { prepared.push_back(can); });
    EXPECT_EQ(prepared, (std::vector<bool>{false, false}));

    std::string snapshotCode;
    session.makeStillImageSnapshot([&](Result<StillImageRenderSnapshot> result) {
        ASSERT_FALSE(result.ok());
        snapshotCode = testing::diagnosticCodeOf(result.error());
    });
    EXPECT_EQ(snapshotCode, "still-renderer-unavailable");
    QTemporaryDir folder;
    std::string videoCode;
    session.writeAnimationVideo(
        folder.filePath(QStringLiteral("a.mp4")), {}, [](double) {},
        [&](Result<AnimationVideoDescriptor> result) {
            ASSERT_FALSE(result.ok());
            videoCode = testing::diagnosticCodeOf(result.error());
        });
    EXPECT_EQ(videoCode, "video-renderer-unavailable");
}

TEST(EditorCanvasRepresentableTest, StateReachesTheViewOncePerTurnACentreOutOfRangeComesBackAndTheFitScaleGoesBack) {
    CanvasHarness harness(QSize(512, 512));
    harness.session().selectTool(EditorTool::shrink);
    harness.session().setShowsComparisonLabels(false);
    EXPECT_EQ(harness.view().sessionState().tool, EditorTool::push);
    harness.scheduler.runDue();
    EXPECT_EQ(harness.view().sessionState().tool, EditorTool::shrink);
    EXPECT_FALSE(harness.view().sessionState().showsComparisonLabels);
    EXPECT_EQ(harness.view().sessionState().toolDiameter, harness.session().toolDiameter());

    harness.session().setZoomFactor(2.0);
    harness.session().setCenter(QPointF(-3.0, 0.5));
    harness.scheduler.runDue();
    const QPointF corrected = harness.view().sessionState().center;
    EXPECT_GT(corrected.x(), 0.0);
    harness.settle();
    EXPECT_EQ(harness.session().center(), corrected);
    EXPECT_EQ(harness.session().zoomFactor(), 2.0);

    const double large = harness.view().viewportGeometry().fitScale();
    EXPECT_DOUBLE_EQ(harness.session().fitScale(), large);
    harness.view().resize(256, 256);
    harness.settle();
    EXPECT_DOUBLE_EQ(harness.session().fitScale(), harness.view().viewportGeometry().fitScale());
    EXPECT_LT(harness.session().fitScale(), large);
}

// A tab change ends and commits a brush stroke; a tool change records a shape first.
TEST(EditorCanvasRepresentableTest, ChangingTheTabOrToolFinishesTheWorkInProgress) {
    CanvasHarness harness;
    harness.press(harness.viewPointFor({80, 80}));
    harness.drag(harness.viewPointFor({150, 80}));
    harness.selectTab(EditorTab::comparison);
    EXPECT_FALSE(harness.view().strokes().isOpen());
    harness.release(harness.viewPointFor({150, 80}, 1));
    EXPECT_TRUE(harness.session().canUndo());

    harness.selectTool(EditorTool::circle);
    harness.press(harness.viewPointFor({60, 60}, 1));
    harness.drag(harness.viewPointFor({120, 100}, 1));
    harness.selectTool(EditorTool::line);
    EXPECT_FALSE(harness.view().annotations().hasActiveGesture());
    ASSERT_EQ(harness.view().currentAnnotations().size(), 1u);
    EXPECT_EQ(std::get<AnnotationShape>(harness.view().currentAnnotations().front().content).tool, EditorTool::circle);
    harness.release(harness.viewPointFor({120, 100}, 1));
}

}  // namespace
}  // namespace vlt
