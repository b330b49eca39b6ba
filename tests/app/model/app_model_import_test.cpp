#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/model/model_test_support.h"
#include "foundation/capturing_event_log_sink.h"

namespace vlt {
namespace {

class AppModelFileOpenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QFile file(folder.filePath(QStringLiteral("portrait.jpg")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        image = QUrl::fromLocalFile(file.fileName());
    }

    AppModel& model() { return *fixture.model; }

    testing::ModelFixture fixture;
    QTemporaryDir folder;
    QUrl image;
};

TEST_F(AppModelFileOpenTest, TheFirstLocalFileIsImportedOnce) {
    const QList<QUrl> handed = {QUrl(QStringLiteral("https://example.com/a.jpg")),
                                QUrl::fromLocalFile(folder.path()), image};
    EXPECT_TRUE(model().openFileURLs(handed));
    EXPECT_EQ(model().importGeneration(), 1);
}

TEST_F(AppModelFileOpenTest, FoldersAndRemoteAddressesAreRefused) {
    EXPECT_FALSE(model().openFileURLs({QUrl::fromLocalFile(folder.path())}));
    EXPECT_FALSE(model().openFileURLs({QUrl(QStringLiteral("https://example.com/a.jpg"))}));
    EXPECT_FALSE(model().openFileURLs({}));
    EXPECT_EQ(model().importGeneration(), 0);
}

TEST_F(AppModelFileOpenTest, FilesWaitWhileLockedAskingOrChoosing) {
    model().setIsShortcutsPresented(true);
    EXPECT_FALSE(model().openFileURLs({image}));
    model().setIsShortcutsPresented(false);

    model().setIsImagePickerPresented(true);
    EXPECT_FALSE(model().openFileURLs({image}));
    model().setIsImagePickerPresented(false);

    fixture.openEditor();
    fixture.makeUnsavedChange();
    model().onUnsavedChangesWarningRequested = [](ApplicationCloseIntent) {};
    model().requestClose(ApplicationCloseIntent::close, [](bool) {});
    EXPECT_FALSE(model().openFileURLs({image}));
    EXPECT_EQ(model().importGeneration(), 0);
}

TEST_F(AppModelFileOpenTest, ANewImportMakesARunningPreparationStale) {
    auto preparation = TaskHandle::create();
    model().setEditorPreparationTask(preparation);
    model().setIsPreparingEditor(true);

    model().importImage(image, ImageImportOrigin::fileOpen);

    EXPECT_TRUE(preparation->isCancelled());
    EXPECT_FALSE(model().isPreparingEditor());
    EXPECT_EQ(model().editorPreparationGeneration(), 1);
    EXPECT_EQ(model().editorPreparationTask(), nullptr);
}

TEST_F(AppModelFileOpenTest, ARefusedDropIsExplainedOnTheStartPage) {
    EXPECT_TRUE(model().handleDroppedItems({image, image}));
    EXPECT_EQ(model().inlineImportError(), QStringLiteral("Please choose exactly one image at a time."));

    model().setIsImporting(true);
    EXPECT_FALSE(model().handleDroppedItems({image}));
}

TEST_F(AppModelFileOpenTest, TheOpenPanelLogsItsOutcome) {
    ScopedCapturingEventLog log;
    std::function<void(std::optional<QUrl>)> answer;
    model().onOpenImagePanelRequested = [&](std::function<void(std::optional<QUrl>)> completion) {
        answer = std::move(completion);
    };

    model().openImagePicker();
    EXPECT_TRUE(model().isImagePickerPresented());
    model().openImagePicker();
    ASSERT_TRUE(answer);
    answer(std::nullopt);

    EXPECT_FALSE(model().isImagePickerPresented());
    EXPECT_EQ(log->eventsNamed("open_panel_started").size(), 1u);
    const auto finished = log->eventsNamed("open_panel_finished");
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished.front().value("outcome"), "cancelled");
    EXPECT_EQ(model().importGeneration(), 0);
}

TEST_F(AppModelFileOpenTest, DismissingAFailedReplacementOffersThePanelAgain) {
    int panels = 0;
    model().onOpenImagePanelRequested = [&](std::function<void(std::optional<QUrl>)>) { ++panels; };
    model().setReplacementImportError(QStringLiteral("This image could not be opened."));
    model().setShowsReplacementImportError(true);

    model().dismissReplacementImportError();
    EXPECT_FALSE(model().showsReplacementImportError());
    EXPECT_FALSE(model().replacementImportError().has_value());
    EXPECT_EQ(panels, 0);
    fixture.scheduler.runDue();
    EXPECT_EQ(panels, 1);
}

}  // namespace
}  // namespace vlt
