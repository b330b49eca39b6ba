#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include <QDir>

#include "model/import_flow.h"
#include "model/model_test_support.h"
#include "model/app_model_test_access.h"
#include "foundation/capturing_event_log_sink.h"
#include "import/crop_document.h"

namespace vlt {
namespace {

QUrl temporaryFile(const QString& name) { return QUrl::fromLocalFile(QDir::temp().filePath(name)); }

// Imports through a loader that answers what the test prepared for each file.
class ImportFlowTest : public ::testing::Test {
protected:
    ImportFlowTest() {
        model().loadImportedImage = [this](const QUrl& url, SharedFileAccess access,
                                           std::stop_token) -> Result<ImportedImage, ImageImportFailure> {
            if (throws) throw std::runtime_error("out of memory");
            if (failure) return *failure;
            ImportedImage image = testing::makeImportedImage(url);
            image.fileAccess = std::move(access);
            return image;
        };
        model().runInBackground = background.runner();
    }

    AppModel& model() { return *fixture.model; }
    void importFile(const QString& name, ImageImportOrigin origin = ImageImportOrigin::openPanel) {
        model().importImage(temporaryFile(name), origin);
    }
    void openDocument() {
        importFile(QStringLiteral("first.jpg"));
        background.runAll();
        ASSERT_NE(model().importState().document, nullptr);
    }

    ScopedCapturingEventLog log;
    testing::ModelFixture fixture;
    testing::ManualBackgroundRunner background;
    std::optional<ImageImportFailure> failure;
    bool throws = false;
};

TEST_F(ImportFlowTest, ASuccessfulImportOpensTheDocument) {
    AppModelTestAccess::changeImportState(
        model(), [&](ImportState& state) { state.inlineImportError = QStringLiteral("old message"); });
    importFile(QStringLiteral("portrait.jpg"), ImageImportOrigin::drop);
    EXPECT_TRUE(model().importState().isImporting);
    EXPECT_FALSE(model().importState().isReplacingCropImage);
    EXPECT_FALSE(model().importState().inlineImportError.has_value());
    EXPECT_EQ(model().importState().importGeneration, 1);
    EXPECT_EQ(log->eventsNamed("import_started").front().value("origin"), "drop");

    background.runAll();
    ASSERT_NE(model().importState().document, nullptr);
    EXPECT_EQ(model().importState().document->fileName(), QStringLiteral("portrait.jpg"));
    EXPECT_FALSE(model().importState().isImporting);
    EXPECT_EQ(model().importState().cropReplacementMotionGeneration, 0);
    EXPECT_EQ(log->eventsNamed("import_succeeded").size(), 1u);
    EXPECT_TRUE(model().importState().importTask->isFinished());
}

// The older decode is told to stop, so it gives up the decoder instead of reading a
// picture nobody will see.
TEST_F(ImportFlowTest, ANewerImportStopsTheOlderOnesDecode) {
    std::vector<bool> stoppedWhenDecoded;
    model().loadImportedImage = [&stoppedWhenDecoded](
                                    const QUrl& url, SharedFileAccess,
                                    std::stop_token stop) -> Result<ImportedImage, ImageImportFailure> {
        stoppedWhenDecoded.push_back(stop.stop_requested());
        return testing::makeImportedImage(url);
    };
    importFile(QStringLiteral("older.jpg"));
    importFile(QStringLiteral("newer.jpg"));
    background.runAll();
    EXPECT_EQ(stoppedWhenDecoded, (std::vector<bool>{true, false}));
    ASSERT_NE(model().importState().document, nullptr);
    EXPECT_EQ(model().importState().document->fileName(), QStringLiteral("newer.jpg"));
}

TEST_F(ImportFlowTest, ANewerImportMakesTheOlderOneStale) {
    importFile(QStringLiteral("older.jpg"));
    importFile(QStringLiteral("newer.jpg"), ImageImportOrigin::fileOpen);
    EXPECT_EQ(background.pendingCount(), 2u);

    background.runNext();
    EXPECT_EQ(model().importState().document, nullptr);
    EXPECT_TRUE(model().importState().isImporting) << "the newer import still runs";
    EXPECT_EQ(log->eventsNamed("import_cancelled").size(), 1u);

    background.runNext();
    ASSERT_NE(model().importState().document, nullptr);
    EXPECT_EQ(model().importState().document->fileName(), QStringLiteral("newer.jpg"));
    EXPECT_FALSE(model().importState().isImporting);
}

TEST_F(ImportFlowTest, FailuresThatNoLongerCountAreNotShown) {
    failure = ImageImportFailure(ImageImportFailure::Case::corrupted);
    importFile(QStringLiteral("a.jpg"));
    importFile(QStringLiteral("b.jpg"));
    background.runNext();
    EXPECT_TRUE(model().importState().isImporting) << "a stale failure does not end the newer import";
    EXPECT_EQ(log->eventsNamed("import_cancelled").size(), 1u);

    model().cancelAllOperations();
    background.runAll();
    EXPECT_FALSE(model().importState().isImporting);
    EXPECT_FALSE(model().importState().inlineImportError.has_value());
    EXPECT_TRUE(log->eventsNamed("import_failed").empty());
    EXPECT_EQ(log->eventsNamed("import_cancelled").size(), 2u);
}

TEST_F(ImportFlowTest, OpeningAnotherImageFromTheCropScreenReplacesTheDocument) {
    openDocument();
    CropSelection shrunk = model().importState().document->selection();
    shrunk.setAspectRatio(CropAspectRatio::square);
    model().importState().document->setSelection(shrunk);
    const auto first = model().importState().document;

    importFile(QStringLiteral("second.jpg"));
    EXPECT_TRUE(model().importState().isReplacingCropImage);
    EXPECT_TRUE(model().isInteractionLocked());
    background.runAll();

    ASSERT_NE(model().importState().document, first);
    EXPECT_TRUE(model().importState().document->selection().isFullImage());
    EXPECT_EQ(model().importState().cropReplacementMotionGeneration, 1);
    EXPECT_FALSE(model().importState().isReplacingCropImage);
}

TEST_F(ImportFlowTest, OpeningAFileFromTheEditorClearsTheSessionOnSuccess) {
    openDocument();
    fixture.openEditor();
    importFile(QStringLiteral("second.jpg"));
    EXPECT_FALSE(model().importState().isReplacingCropImage) << "an editor is open, not a crop";
    background.runAll();
    EXPECT_EQ(model().editorState().editorSession, nullptr);
    EXPECT_EQ(model().importState().cropReplacementMotionGeneration, 0);
}

TEST_F(ImportFlowTest, AFailureWithoutADocumentIsShownOnTheStartPage) {
    failure = ImageImportFailure(ImageImportFailure::Case::corrupted);
    importFile(QStringLiteral("broken.jpg"));
    background.runAll();
    EXPECT_EQ(model().importState().inlineImportError, QString::fromStdString(failure->userMessage()));
    EXPECT_FALSE(model().importState().showsReplacementImportError);
    EXPECT_FALSE(model().importState().isImporting);
    const auto failed = log->eventsNamed("import_failed");
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed.front().value("failure_code"), "corrupted-image");

    throws = true;
    importFile(QStringLiteral("odd.jpg"));
    background.runAll();
    EXPECT_EQ(model().importState().inlineImportError,
              QStringLiteral("This image could not be opened. Please choose another local image."));
    EXPECT_FALSE(model().importState().isImporting);
}

TEST_F(ImportFlowTest, AFailedReplacementShowsTheAlertAndKeepsTheEditor) {
    openDocument();
    const auto session = fixture.openEditor();
    const auto document = model().importState().document;
    failure = ImageImportFailure(ImageImportFailure::Case::tooLarge);
    importFile(QStringLiteral("huge.jpg"));
    background.runAll();
    EXPECT_TRUE(model().importState().showsReplacementImportError);
    EXPECT_EQ(model().importState().replacementImportError, QString::fromStdString(failure->userMessage()));
    EXPECT_FALSE(model().importState().inlineImportError.has_value());
    EXPECT_EQ(model().importState().document, document);
    EXPECT_EQ(model().editorState().editorSession, session);
    EXPECT_FALSE(model().importState().isImporting);
}

TEST_F(ImportFlowTest, ACancelledImportNeverLeavesTheScreenLocked) {
    openDocument();
    const auto document = model().importState().document;
    importFile(QStringLiteral("second.jpg"));
    EXPECT_FALSE(model().canGoToEditor());
    model().cancelAllOperations();
    background.runAll();

    EXPECT_EQ(model().importState().document, document) << "a cancelled result changes nothing";
    EXPECT_FALSE(model().importState().isImporting);
    EXPECT_FALSE(model().importState().isReplacingCropImage);
    EXPECT_TRUE(model().canGoToEditor());
    EXPECT_EQ(log->eventsNamed("import_cancelled").size(), 1u);
    EXPECT_EQ(log->eventsNamed("import_succeeded").size(), 1u) << "only the first import";
}

TEST_F(ImportFlowTest, AResultForAModelThatIsGoneDoesNothing) {
    importFile(QStringLiteral("portrait.jpg"));
    fixture.model.reset();
    background.runAll();
    EXPECT_TRUE(log->eventsNamed("import_succeeded").empty());
}

TEST_F(ImportFlowTest, HandedOverFilesOpenTheFirstLocalFileOnce) {
    const QUrl folder = QUrl::fromLocalFile(QDir::tempPath());
    const QUrl remote(QStringLiteral("https://example.com/a.jpg"));
    EXPECT_FALSE(model().openFileURLs({}));
    EXPECT_FALSE(model().openFileURLs({folder, remote}));
    EXPECT_EQ(model().importState().importGeneration, 0);

    EXPECT_TRUE(model().openFileURLs(
        {remote, folder, temporaryFile(QStringLiteral("a.jpg")), temporaryFile(QStringLiteral("b.jpg"))}));
    EXPECT_EQ(model().importState().importGeneration, 1);
    background.runAll();
    EXPECT_EQ(model().importState().document->fileName(), QStringLiteral("a.jpg"));
    EXPECT_EQ(log->eventsNamed("import_started").front().value("origin"), "file-open");
}

TEST_F(ImportFlowTest, HandedOverFilesWaitWhileLockedAskingOrChoosing) {
    const QList<QUrl> image = {temporaryFile(QStringLiteral("a.jpg"))};
    model().presentShortcuts();
    EXPECT_FALSE(model().openFileURLs(image));
    model().closeShortcuts();

    AppModelTestAccess::setImagePickerPresented(model(), true);
    EXPECT_FALSE(model().openFileURLs(image));
    AppModelTestAccess::setImagePickerPresented(model(), false);

    fixture.openEditor();
    fixture.makeUnsavedChange();
    model().onUnsavedChangesWarningRequested = [](ApplicationCloseIntent) {};
    model().requestClose(ApplicationCloseIntent::close, [](bool) {});
    EXPECT_FALSE(model().openFileURLs(image));
    EXPECT_EQ(model().importState().importGeneration, 0);
}

TEST_F(ImportFlowTest, TheOpenPanelLogsItsOutcome) {
    std::function<void(std::optional<QUrl>)> answer;
    model().onOpenImagePanelRequested = [&](std::function<void(std::optional<QUrl>)> completion) {
        answer = std::move(completion);
    };

    model().openImagePicker();
    EXPECT_TRUE(model().importState().isImagePickerPresented);
    model().openImagePicker();
    ASSERT_TRUE(answer);
    answer(std::nullopt);

    EXPECT_FALSE(model().importState().isImagePickerPresented);
    EXPECT_EQ(log->eventsNamed("open_panel_started").size(), 1u);
    const auto finished = log->eventsNamed("open_panel_finished");
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished.front().value("outcome"), "cancelled");
    EXPECT_EQ(model().importState().importGeneration, 0);
}

}  // namespace
}  // namespace vlt
