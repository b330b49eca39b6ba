#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "editor_canvas_test_support.h"
#include "foundation/capturing_event_log_sink.h"
#include "foundation/error.h"

namespace vlt {
namespace {

using testing::CanvasHarness;

std::string diagnosticCodeOf(const ErrorPtr& error) {
    const auto* coded = dynamic_cast<const DiagnosticCodeProviding*>(error.get());
    return coded == nullptr ? std::string() : coded->diagnosticCode();
}

TEST(EditorCanvasRepresentableTest, CommandsAfterTheViewIsGoneAnswerWithoutTheCanvas) {
    ScopedCapturingEventLog log;
    ManualClock clock;
    ManualScheduler scheduler(&clock);
    EditorSession session(nullptr, testing::makeGradientCanvas(64, 48), QStringLiteral("A"), QStringLiteral("B"),
                          scheduler);
    EditorCanvasRepresentable bridge(session, scheduler);
    {
        EditorCanvasView view(GpuDevice::create(GpuDeviceOptions{std::nullopt, 1}), clock, scheduler);
        bridge.bind(&view);
    }
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

    std::optional<bool> prepared;
    session.prepareCommittedEditorState(EditorStatePreparationIntent::output, [&](bool can) { prepared = can; });
    EXPECT_EQ(prepared, false);

    std::string snapshotCode;
    session.makeStillImageSnapshot([&](Result<StillImageRenderSnapshot> result) {
        ASSERT_FALSE(result.ok());
        snapshotCode = diagnosticCodeOf(result.error());
    });
    EXPECT_EQ(snapshotCode, "still-renderer-unavailable");

    QTemporaryDir folder;
    std::string videoCode;
    session.writeAnimationVideo(folder.filePath(QStringLiteral("a.mp4")), [](double) {},
                                [&](Result<AnimationVideoDescriptor> result) {
                                    ASSERT_FALSE(result.ok());
                                    videoCode = diagnosticCodeOf(result.error());
                                });
    EXPECT_EQ(videoCode, "video-renderer-unavailable");
}

TEST(EditorCanvasRepresentableTest, VideoCommandAnswersRendererUnavailableUntilExportLands) {
    CanvasHarness harness;
    QTemporaryDir folder;
    std::string code;
    harness.session().writeAnimationVideo(folder.filePath(QStringLiteral("a.mp4")), [](double) {},
                                          [&](Result<AnimationVideoDescriptor> result) {
                                              ASSERT_FALSE(result.ok());
                                              code = diagnosticCodeOf(result.error());
                                          });
    EXPECT_EQ(code, "video-renderer-unavailable");
}

TEST(EditorCanvasRepresentableTest, CentreOutsideTheRangeComesBackCorrectedOnTheNextTurn) {
    CanvasHarness harness;
    harness.session().setZoomFactor(2.0);
    harness.session().setCenter(QPointF(-3.0, 0.5));
    harness.scheduler.runDue();
    const QPointF corrected = harness.view().sessionState().center;
    EXPECT_GT(corrected.x(), 0.0);
    harness.settle();
    EXPECT_EQ(harness.session().center(), corrected);
    EXPECT_EQ(harness.session().zoomFactor(), 2.0);
}

TEST(EditorCanvasRepresentableTest, SessionStateReachesTheViewOncePerTurn) {
    CanvasHarness harness;
    harness.session().selectTool(EditorTool::shrink);
    harness.session().setShowsComparisonLabels(false);
    EXPECT_EQ(harness.view().sessionState().tool, EditorTool::push);
    harness.scheduler.runDue();
    EXPECT_EQ(harness.view().sessionState().tool, EditorTool::shrink);
    EXPECT_FALSE(harness.view().sessionState().showsComparisonLabels);
    EXPECT_EQ(harness.view().sessionState().toolDiameter, harness.session().toolDiameter());
}

TEST(EditorCanvasRepresentableTest, FitScaleIsReportedToTheSession) {
    CanvasHarness harness(256, 256, QSize(512, 512));
    harness.selectTab(EditorTab::simulation);
    const double large = harness.view().viewportGeometry().fitScale();
    EXPECT_DOUBLE_EQ(harness.session().fitScale(), large);
    harness.view().resize(256, 256);
    harness.settle();
    EXPECT_DOUBLE_EQ(harness.session().fitScale(), harness.view().viewportGeometry().fitScale());
    EXPECT_LT(harness.session().fitScale(), large);
}

TEST(EditorCanvasRepresentableTest, ChangingTheTabInTheMiddleOfAStrokeCommitsIt) {
    CanvasHarness harness;
    harness.selectTab(EditorTab::simulation);
    harness.press(harness.viewPointFor({80, 80}));
    harness.drag(harness.viewPointFor({150, 80}));
    harness.selectTab(EditorTab::comparison);
    EXPECT_FALSE(harness.view().isStrokeActive());
    harness.release(harness.viewPointFor({150, 80}, 1));
    harness.settle();
    EXPECT_TRUE(harness.session().canUndo());
}

TEST(EditorCanvasRepresentableTest, SuspensionStopsAnimateAndItsEndRestartsIt) {
    CanvasHarness harness;
    harness.selectTab(EditorTab::simulation);
    harness.stroke({80, 80}, {160, 120});
    harness.selectTab(EditorTab::animate);
    ASSERT_TRUE(harness.session().isAnimationPlaying());

    harness.bridge().setInteractionSuspended(true);
    EXPECT_FALSE(harness.session().isAnimationPlaying());
    EXPECT_TRUE(harness.view().isPaused());

    harness.bridge().setInteractionSuspended(false);
    EXPECT_TRUE(harness.session().isAnimationPlaying());
    EXPECT_FALSE(harness.view().isPaused());
}

TEST(EditorCanvasRepresentableTest, SuspendedCanvasIgnoresPresses) {
    CanvasHarness harness;
    harness.selectTab(EditorTab::simulation);
    harness.bridge().setInteractionSuspended(true);
    harness.press(harness.viewPointFor({80, 80}));
    EXPECT_FALSE(harness.view().isStrokeActive());
}

}  // namespace
}  // namespace vlt
