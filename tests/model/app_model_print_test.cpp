#include <gtest/gtest.h>

#include "model/app_model_test_access.h"
#include "model/model_test_support.h"
#include "model/print_window.h"
#include "foundation/capturing_event_log_sink.h"
#include "output/print/printing_failure.h"
#include "output/still/still_image_output_failure.h"

namespace vlt {
namespace {

// A window that keeps the jobs it was given and lets the test end the print.
class FakePrintWindow final : public PrintWindow {
public:
    bool isOpen() const override { return open; }
    std::unique_ptr<PrintOperation> startPrinting(PrintJob job,
                                                  std::function<void(PrintOperationOutcome)> finish) override {
        jobs.push_back(std::move(job));
        completion = std::move(finish);
        return std::make_unique<PrintOperation>();
    }

    bool open = true;
    std::vector<PrintJob> jobs;
    std::function<void(PrintOperationOutcome)> completion;
};

// An editor on the Animate tab whose preparation and snapshot wait for the test.
struct PrintFixture {
    PrintFixture() {
        session->prepareCommittedEditorState = [this](auto, std::function<void(bool)> done) { prepared = done; };
        session->makeStillImageSnapshot = [this](auto done) { snapshotted = done; };
        session->setLastNonAnimationTab(EditorTab::original);
        session->setSelectedTab(EditorTab::animate);
        model().findPrintWindow = [this] { return window; };
        picture.fill(Qt::red);
    }
    AppModel& model() { return *models.model; }

    testing::ModelFixture models;
    ScopedCapturingEventLog log;
    std::shared_ptr<FakePrintWindow> window = std::make_shared<FakePrintWindow>();
    std::shared_ptr<EditorSession> session = models.openEditor(testing::makeCropDocument());
    std::function<void(bool)> prepared;
    EditorSession::StillImageSnapshotCompletion snapshotted;
    QImage picture{8, 6, QImage::Format_ARGB32_Premultiplied};
};

TEST(AppModelPrintTest, WithoutAWindowOrWhileATextIsTypedPrintingDoesNotStart) {
    for (const auto& refuse : std::vector<std::function<void(PrintFixture&)>>{
             [](PrintFixture& f) { f.window->open = false; },
             [](PrintFixture& f) { f.session->setTextEntryRequest(AnnotationTextRequest{}); }}) {
        PrintFixture fixture;
        refuse(fixture);
        fixture.model().startPrinting();
        EXPECT_FALSE(fixture.model().printState().isPrinting);
        EXPECT_EQ(fixture.log->count(), 0u);
    }
}

TEST(AppModelPrintTest, TheJobCarriesTheTabLeftForAnimateAndEveryOutcomeIsLoggedOnce) {
    struct Case {
        std::optional<PrintOperationOutcome> outcome;  // none: the snapshot fails
        const char* event;
        const char* failureCode;
        const char* message;
    };
    const Case cases[] = {
        {PrintOperationOutcome::submitted(), "print_succeeded", nullptr, nullptr},
        {PrintOperationOutcome::cancelled(), "print_cancelled", nullptr, nullptr},
        {PrintOperationOutcome::failed(nullptr), "print_failed", "print-operation-failed", "The print job failed."},
        {PrintOperationOutcome::failed(PrintingFailure::make(PrintingFailureCategory::rendering, nullptr)),
         "print_failed", "print-render-failed",
         "Print preview could not be prepared. The complete image could not be rendered."},
        {std::nullopt, "print_failed", "print-preparation-failed",
         "Printing could not start. The complete image could not be prepared."},
    };
    for (const Case& c : cases) {
        PrintFixture fixture;
        fixture.model().startPrinting();
        EXPECT_TRUE(fixture.model().isInteractionLocked());
        fixture.prepared(true);
        fixture.models.clock.advance(0.25);
        if (c.outcome) {
            fixture.snapshotted(StillImageRenderSnapshot{fixture.picture, fixture.picture, {}});
            ASSERT_EQ(fixture.window->jobs.size(), 1u);
            EXPECT_EQ(fixture.session->selectedTab(), EditorTab::original);
            EXPECT_EQ(fixture.window->jobs[0].currentTab, StillImageKind::original);
            EXPECT_EQ(fixture.window->jobs[0].documentName, QStringLiteral("portrait.jpg"));
            fixture.window->completion(*c.outcome);
        } else {
            fixture.snapshotted(StillImageOutputFailure::rendererUnavailable());
        }
        EXPECT_FALSE(fixture.model().printState().isPrinting);
        ASSERT_EQ(fixture.log->eventsNamed(c.event).size(), 1u) << c.event;
        EXPECT_EQ(fixture.log->count(), 2u);
        const CapturedEvent ended = *fixture.log->lastEvent();
        EXPECT_EQ(ended.value("elapsed_ms"), "250");
        EXPECT_EQ(fixture.model().printState().showsPrintError, c.message != nullptr);
        if (c.message == nullptr) continue;
        EXPECT_EQ(ended.value("failure_code"), c.failureCode);
        EXPECT_EQ(fixture.model().printState().printErrorMessage, QString::fromUtf8(c.message));
        if (c.failureCode == std::string("print-operation-failed")) {
            EXPECT_EQ(ended.value("error_domain"), "NSCocoaErrorDomain");
            EXPECT_EQ(ended.value("error_code"), "3328");
        }
    }
}

// A print whose editor or window goes while it is prepared ends as cancelled: the
// window unlocks, the start has its end in the log, and no failure card appears.
TEST(AppModelPrintTest, APrintStoppedWhilePreparedEndsAsCancelledWithoutACard) {
    const auto replaceEditor = [](PrintFixture& f) {
        AppModelTestAccess::setEditorSession(f.model(), f.models.openEditor());
    };
    const auto closeWindow = [](PrintFixture& f) { f.window->open = false; };
    const auto cancelAll = [](PrintFixture& f) { f.model().cancelAllOperations(); };
    // How it stops, and whether the editor's preparation answered before.
    const std::pair<std::function<void(PrintFixture&)>, bool> cases[] = {
        {replaceEditor, false}, {closeWindow, false}, {cancelAll, false},
        {replaceEditor, true},  {closeWindow, true},  {cancelAll, true},
    };
    for (const auto& [stop, afterPreparation] : cases) {
        PrintFixture fixture;
        fixture.model().startPrinting();
        if (afterPreparation) fixture.prepared(true);
        stop(fixture);
        if (!afterPreparation) fixture.prepared(true);
        // A late failure of the snapshot finds nothing left to fail.
        if (fixture.snapshotted) fixture.snapshotted(StillImageOutputFailure::rendererUnavailable());
        EXPECT_FALSE(fixture.model().printState().isPrinting);
        EXPECT_FALSE(fixture.model().printState().showsPrintError);
        EXPECT_EQ(fixture.log->eventsNamed("print_cancelled").size(), 1u);
        EXPECT_EQ(fixture.log->count(), 2u);
    }
}

}  // namespace
}  // namespace vlt
