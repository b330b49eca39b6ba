#include <gtest/gtest.h>

#include <future>

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/unsaved_changes_alert.h"
#include "foundation/capturing_event_log_sink.h"
#include "import/crop_document.h"
#include "platform/single_instance/single_instance.h"
#include "shell_test_support.h"

namespace vlt {
namespace {

class FileHandoverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        first = makeImage(QStringLiteral("first.jpg"));
        second = makeImage(QStringLiteral("second.jpg"));
    }

    QUrl makeImage(const QString& name) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return QUrl::fromLocalFile(file.fileName());
    }

    QTemporaryDir folder;
    QUrl first;
    QUrl second;
};

TEST_F(FileHandoverTest, FilesGivenAtLaunchWaitForTheModelAndArriveOnce) {
    testing::ShellFixture shell;
    shell.delegate->attach(static_cast<AppModel*>(nullptr));

    shell.delegate->openURLs({first});
    EXPECT_EQ(shell.delegate->pendingFileOpenURLs().size(), 1);
    EXPECT_EQ(shell.model().importState().importGeneration, 0);

    shell.delegate->attach(&shell.model());
    EXPECT_TRUE(shell.delegate->pendingFileOpenURLs().isEmpty());
    EXPECT_EQ(shell.model().importState().importGeneration, 1);

    shell.delegate->openPendingFileURLsIfNeeded();
    EXPECT_EQ(shell.model().importState().importGeneration, 1);
}

TEST_F(FileHandoverTest, FilesHandedOverTwiceBeforeDeliveryKeepOnlyTheSecondList) {
    testing::ShellFixture shell;
    shell.model().presentShortcuts();
    shell.delegate->openURLs({first});
    shell.delegate->openURLs({second});
    EXPECT_EQ(shell.delegate->pendingFileOpenURLs(), QList<QUrl>{second});

    shell.model().closeShortcuts();
    shell.models.scheduler.runDue();
    EXPECT_TRUE(shell.delegate->pendingFileOpenURLs().isEmpty());
    EXPECT_EQ(shell.model().importState().importGeneration, 1);
}

TEST_F(FileHandoverTest, ASecondLaunchHandsItsFilesToTheRunningInstanceOnce) {
    testing::ShellFixture shell;
    SingleInstance running(folder.filePath(QStringLiteral("instance")));
    ASSERT_EQ(running.claimOrForward({}), SingleInstance::Role::primary);
    QObject::connect(&running, &SingleInstance::filesReceived, shell.delegate.get(), &AppDelegate::openURLs);

    const QString socketPath = running.socketPath();
    const QList<QUrl> handed = {second};
    auto secondLaunch = std::async(std::launch::async, [socketPath, handed] {
        SingleInstance launching(socketPath);
        return launching.claimOrForward(handed, 5000);
    });
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return secondLaunch.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; }, 10000));

    EXPECT_EQ(secondLaunch.get(), SingleInstance::Role::forwarded);
    EXPECT_EQ(shell.model().importState().importGeneration, 1);
    EXPECT_TRUE(shell.delegate->pendingFileOpenURLs().isEmpty());
}

// Files handed over while the question about the editor's changes is up: one question,
// the newest file wins (and the one it replaces is logged), and no question ever asks
// about changes that are already gone.
class HandoverDuringQuestionTest : public FileHandoverTest {
protected:
    void SetUp() override {
        FileHandoverTest::SetUp();
        shell.models.openEditor();
        shell.models.makeUnsavedChange();
        shell.model().runInBackground = [](std::function<void()> work) { work(); };
        shell.model().loadImportedImage = [this](const QUrl& url, SharedFileAccess, std::stop_token) {
            loaded.push_back(url);
            return Result<ImportedImage, ImageImportFailure>(testing::makeImportedImage(url));
        };
    }
    int questionsUp() const {
        const QList<QMessageBox*> questions = shell.window->findChildren<QMessageBox*>();
        return int(
            std::count_if(questions.begin(), questions.end(), [](QMessageBox* box) { return box->isVisible(); }));
    }
    void answer(QAbstractButton* (*button)(const QMessageBox&)) {
        ASSERT_NE(shell.alert(), nullptr);
        shell.answer(button(*shell.alert()));
        shell.models.scheduler.runDue();
    }
    ScopedCapturingEventLog log;
    testing::ShellFixture shell;
    std::vector<QUrl> loaded;
};

TEST_F(HandoverDuringQuestionTest, TheNewestFileTakesThePlaceOfTheOneWaitingForTheAnswer) {
    shell.delegate->openURLs({first});
    ASSERT_NE(shell.alert(), nullptr);
    shell.delegate->openURLs({second});
    EXPECT_EQ(questionsUp(), 1);
    EXPECT_TRUE(shell.delegate->pendingFileOpenURLs().isEmpty());
    ASSERT_EQ(log->eventsNamed("open_request_superseded").size(), 1u);
    EXPECT_EQ(log->eventsNamed("open_request_superseded").front().value("origin"), "file-open");

    answer(&UnsavedChangesAlert::discardButton);
    EXPECT_EQ(questionsUp(), 0) << "no second question about the changes just discarded";
    EXPECT_EQ(loaded, std::vector<QUrl>{second});
    EXPECT_TRUE(shell.delegate->pendingFileOpenURLs().isEmpty());
}

TEST_F(HandoverDuringQuestionTest, CancelOrSaveImageOpensNeitherFile) {
    for (auto* button : {&UnsavedChangesAlert::cancelButton, &UnsavedChangesAlert::saveImageButton}) {
        shell.delegate->openURLs({first});
        shell.delegate->openURLs({second});
        answer(button);
        EXPECT_EQ(questionsUp(), 0);
        EXPECT_TRUE(loaded.empty());
        shell.model().dismissSaveImages();
        shell.models.scheduler.runDue();
    }
}

// A file handed over while quitting is asked about waits: it is not opened on the way
// out, and after Cancel it is asked about once, for the changes that are still there.
TEST_F(HandoverDuringQuestionTest, AFileHandedOverWhileQuittingWaitsForTheAnswer) {
    shell.delegate->requestTermination();
    shell.delegate->openURLs({second});
    EXPECT_EQ(questionsUp(), 1);
    answer(&UnsavedChangesAlert::cancelButton);
    EXPECT_EQ(questionsUp(), 1);
    EXPECT_EQ(UnsavedChangesAlert::discardButton(*shell.alert())->text(), "Open Anyway");
    answer(&UnsavedChangesAlert::discardButton);
    EXPECT_EQ(loaded, std::vector<QUrl>{second});

    testing::ShellFixture quitting;
    quitting.models.openEditor();
    quitting.models.makeUnsavedChange();
    quitting.delegate->requestTermination();
    quitting.delegate->openURLs({second});
    quitting.answer(UnsavedChangesAlert::discardButton(*quitting.alert()));
    quitting.models.scheduler.runDue();
    EXPECT_EQ(quitting.exitCount, 1);
    EXPECT_EQ(quitting.alert(), nullptr);
    EXPECT_EQ(quitting.model().importState().importGeneration, 0);
}

// A file handed over while the language restart is asked about goes with the restart:
// the new instance opens it, this one opens nothing on its way out.
TEST_F(HandoverDuringQuestionTest, AFileHandedOverDuringTheRestartQuestionGoesWithTheRestart) {
    shell.delegate->relaunchForLanguageChange();
    shell.delegate->openURLs({second});
    EXPECT_EQ(questionsUp(), 1);
    answer(&UnsavedChangesAlert::discardButton);
    EXPECT_EQ(shell.relaunchCount, 1);
    EXPECT_EQ(shell.relaunchFiles, QStringList{second.toLocalFile()});
    EXPECT_TRUE(loaded.empty());
    EXPECT_EQ(shell.exitCount, 1);
}

// "Open Anyway" on a photograph that takes long to load leaves the editor on screen
// meanwhile, and quitting asks about its changes again. A Save images dialog opened by
// that question's "Save Image" goes with the editor once the photograph replaced it:
// its Save could only have closed it having saved nothing.
TEST_F(FileHandoverTest, TheSaveImagesDialogGoesWithTheEditorAPhotographReplaced) {
    ScopedCapturingEventLog log;
    testing::ShellFixture shell;
    testing::ManualBackgroundRunner background;
    shell.model().runInBackground = background.runner();
    shell.models.openEditor();
    shell.models.makeUnsavedChange();
    const QUrl photograph = testing::writeJpeg(folder.filePath(QStringLiteral("replacement.jpg")), 120, 90);

    shell.delegate->openURLs({photograph});
    ASSERT_NE(shell.alert(), nullptr);
    shell.answer(UnsavedChangesAlert::discardButton(*shell.alert()));
    shell.models.scheduler.runDue();
    ASSERT_TRUE(shell.model().importState().isImporting);

    shell.delegate->requestTermination();
    shell.models.scheduler.runDue();
    ASSERT_NE(shell.alert(), nullptr);
    shell.answer(UnsavedChangesAlert::saveImageButton(*shell.alert()));
    shell.models.scheduler.runDue();
    ASSERT_TRUE(shell.model().stillImageSaveState().isSaveImagesPresented);

    background.runAll();
    ASSERT_NE(shell.model().importState().document, nullptr);
    EXPECT_EQ(shell.model().importState().document->fileName(), QStringLiteral("replacement.jpg"));
    EXPECT_EQ(shell.model().editorState().editorSession, nullptr);
    EXPECT_FALSE(shell.model().stillImageSaveState().isSaveImagesPresented);
    EXPECT_EQ(shell.exitCount, 0);
}

}  // namespace
}  // namespace vlt
