#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTest>

#include "app/unsaved_changes_alert.h"
#include "foundation/capturing_event_log_sink.h"
#include "shell_test_support.h"
#include "model/app_model_test_access.h"

namespace vlt {
namespace {

using testing::ShellFixture;

const QString kCloseMessage = QStringLiteral(
    "Your latest changes have not been saved.\n\nYour current result has not been saved as an image. If you close "
    "now, those changes in the editor will be discarded.");
const QString kUpdateMessage = QStringLiteral(
    "Your latest changes have not been saved.\n\nYour current result has not been saved as an image. If you "
    "restart now, those changes in the editor will be discarded.");

const QString kOpenMessage = QStringLiteral(
    "Your latest changes have not been saved.\n\nYour current result has not been saved as an image. If you open "
    "another image now, those changes in the editor will be discarded.");

class QuitTest : public ::testing::Test {
protected:
    void openUnsavedEditor() {
        shell.models.openEditor();
        shell.models.makeUnsavedChange();
    }
    QAbstractButton* discard() { return UnsavedChangesAlert::discardButton(*shell.alert()); }
    QAbstractButton* saveImage() { return UnsavedChangesAlert::saveImageButton(*shell.alert()); }
    QAbstractButton* cancel() { return UnsavedChangesAlert::cancelButton(*shell.alert()); }

    ScopedCapturingEventLog log;
    ShellFixture shell;
};

TEST_F(QuitTest, WithNothingUnsavedTheApplicationEndsAtOnceOrAfterTheEditorAnswered) {
    shell.delegate->applicationDidFinishLaunching();
    AppModelTestAccess::setDocument(shell.model(), testing::makeCropDocument());
    shell.delegate->requestTermination();
    EXPECT_EQ(shell.exitCount, 1);
    EXPECT_EQ(log->eventsNamed("session_ended").size(), 1u);

    ShellFixture clean;
    clean.models.openEditor();
    EXPECT_FALSE(clean.window->close());
    EXPECT_EQ(clean.exitCount, 0);
    clean.models.scheduler.runDue();
    EXPECT_EQ(clean.exitCount, 1);
    EXPECT_EQ(clean.alert(), nullptr);
}

// Before unsaved changes go, quitting and opening another image (here a second launch
// with a file) ask, each in its own words: Return saves an image, Escape cancels, only
// the discard button lets the changes go, and a second quit while asking changes nothing.
TEST_F(QuitTest, UnsavedChangesAskFirstAndTheAnswerDecides) {
    using Answer = UnsavedChangesAlert::Answer;
    for (const bool opens : {false, true}) {
        for (const Answer answer : {Answer::cancel, Answer::discard, Answer::saveImage}) {
            SCOPED_TRACE(::testing::Message() << (opens ? "open " : "quit ") << int(answer));
            ShellFixture asking;
            asking.models.openEditor();
            asking.models.makeUnsavedChange();
            QSignalSpy decided(asking.delegate.get(), &AppDelegate::terminationDecided);
            if (opens) {
                asking.delegate->openURLs({QUrl::fromLocalFile(QStringLiteral("/tmp/other.png"))});
            } else {
                asking.delegate->requestTermination();
            }
            QMessageBox* alert = asking.alert();
            ASSERT_NE(alert, nullptr);
            EXPECT_EQ(asking.alertInformativeText(), opens ? kOpenMessage : kCloseMessage);
            EXPECT_EQ(UnsavedChangesAlert::discardButton(*alert)->text(), opens ? "Open Anyway" : "Close Anyway");
            EXPECT_EQ(alert->focusWidget(), UnsavedChangesAlert::cancelButton(*alert));
            // Its focus is drawn from the start, beside the default button's mark.
            QStyleOption drawn;
            drawn.initFrom(UnsavedChangesAlert::cancelButton(*alert));
            EXPECT_TRUE(drawn.state & QStyle::State_KeyboardFocusChange) << "the focus on Cancel is not drawn";
            asking.delegate->requestTermination();
            EXPECT_EQ(asking.window->findChildren<QMessageBox*>().size(), 1);

            if (answer == Answer::discard) asking.answer(UnsavedChangesAlert::discardButton(*alert));
            if (answer != Answer::discard)
                QTest::keyClick(alert, answer == Answer::cancel ? Qt::Key_Escape : Qt::Key_Return);
            const bool discards = answer == Answer::discard;
            EXPECT_EQ(asking.exitCount, discards && !opens ? 1 : 0);
            EXPECT_EQ(asking.model().importState().importGeneration, discards && opens ? 1 : 0);
            EXPECT_EQ(decided.count(), opens ? 0 : 1);
            EXPECT_EQ(asking.model().stillImageSaveState().isSaveImagesPresented, answer == Answer::saveImage);
            EXPECT_FALSE(asking.model().closeRequestState().isCloseRequestPending);
            EXPECT_TRUE(asking.delegate->pendingFileOpenURLs().isEmpty());
        }
    }
}

// Where no window manager hands the keyboard back when a question closes (a bare X
// server; the offscreen platform drops it the same way), the window takes it back:
// otherwise Ctrl+Q and every other shortcut would stay dead until a click.
TEST_F(QuitTest, TheWindowTakesTheKeyboardBackWhenTheQuestionCloses) {
    shell.window->show();
    shell.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(shell.window.get()));
    openUnsavedEditor();
    shell.delegate->requestTermination();
    ASSERT_NE(shell.alert(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(shell.alert()));
    QTest::keyClick(shell.alert()->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == shell.window->windowHandle(); }));
}

// Ctrl+O and "Open another image" ask before the open panel; the editor stays until
// an image is opened.
TEST_F(QuitTest, TheOpenPanelComesOnlyAfterTheQuestion) {
    openUnsavedEditor();
    bool panelShown = false;
    shell.model().onOpenImagePanelRequested = [&panelShown](auto) { panelShown = true; };
    shell.model().openImagePicker();
    EXPECT_FALSE(panelShown);
    shell.answer(discard());
    EXPECT_TRUE(panelShown);
    EXPECT_NE(shell.model().editorState().editorSession, nullptr);
}

TEST_F(QuitTest, AQuestionFoundAlreadyShownEndsTheNewRequestSoClosingStillWorksLater) {
    openUnsavedEditor();
    shell.delegate->requestTermination();
    ASSERT_NE(shell.alert(), nullptr);

    shell.delegate->presentUnsavedChangesAlert(ApplicationCloseIntent::close);
    EXPECT_FALSE(shell.model().closeRequestState().isCloseRequestPending);
    EXPECT_FALSE(shell.delegate->isApplicationTerminationReplyPending());
    EXPECT_EQ(shell.alert(), nullptr);

    shell.delegate->requestTermination();
    ASSERT_NE(shell.alert(), nullptr);
    shell.answer(discard());
    EXPECT_EQ(shell.exitCount, 1);
}

TEST_F(QuitTest, TheWindowsCloseButtonAsksOnceAndThenEnds) {
    openUnsavedEditor();
    EXPECT_FALSE(shell.window->close());
    EXPECT_TRUE(shell.window->isVisible());
    ASSERT_NE(shell.alert(), nullptr);

    shell.answer(discard());
    EXPECT_FALSE(shell.window->isVisible());
    EXPECT_EQ(shell.exitCount, 1);
    EXPECT_EQ(shell.alert(), nullptr);
}

TEST_F(QuitTest, AnUpdateRestartUsesTheRestartWordingUntilCancelled) {
    openUnsavedEditor();
    shell.delegate->applicationDidFinishLaunching();
    shell.updater->announceRelaunch();
    shell.delegate->requestTermination();

    ASSERT_NE(shell.alert(), nullptr);
    EXPECT_EQ(shell.alertInformativeText(), kUpdateMessage);
    EXPECT_EQ(discard()->text(), QStringLiteral("Restart Anyway"));
    EXPECT_EQ(discard()->accessibleName(), QStringLiteral("Restart Veltrano without saving image changes"));
    shell.answer(cancel());
    EXPECT_FALSE(shell.delegate->isUpdateRelaunchExpected());

    shell.delegate->requestTermination();
    EXPECT_EQ(shell.alertInformativeText(), kCloseMessage);
}

// Outputs are stopped and waited for while they remove their temporary files; an
// import is only stopped.
TEST_F(QuitTest, OutputsCleanUpAndPendingSettingsAreWrittenBeforeTheEnd) {
    shell.delegate->applicationDidFinishLaunching();
    const TaskHandlePtr save = TaskHandle::create();
    const TaskHandlePtr sharePreparation = TaskHandle::create();
    const TaskHandlePtr import = TaskHandle::create();
    shell.model().stillImageSaveTask = save;
    AppModelTestAccess::changeShareState(
        shell.model(), [&](ShareState& state) { state.shareImagePreparationTask = sharePreparation; });
    AppModelTestAccess::changeImportState(shell.model(), [&](ImportState& state) { state.importTask = import; });
    shell.models.changeSettings(
        [](ApplicationSettings& settings) { settings.contactName = QStringLiteral("Dr. Ana Ruiz"); });

    shell.delegate->requestTermination();
    EXPECT_TRUE(save->isCancelled() && sharePreparation->isCancelled() && import->isCancelled());
    EXPECT_EQ(shell.exitCount, 0);
    EXPECT_TRUE(log->eventsNamed("session_ended").empty());

    save->finish();
    EXPECT_EQ(shell.exitCount, 0);
    sharePreparation->finish();
    EXPECT_EQ(shell.exitCount, 1);
    ASSERT_EQ(shell.models.settingsStore->writes.size(), 1u);
    EXPECT_EQ(shell.models.settingsStore->writes.front().contactName, QStringLiteral("Dr. Ana Ruiz"));
    EXPECT_EQ(log->eventsNamed("session_ended").size(), 1u);
}

class LanguageRelaunchTest : public QuitTest {
protected:
    void chooseJapanese() {
        shell.model().selectLanguage(AppLanguage::japanese);
        ASSERT_TRUE(shell.model().beginLanguageRestart());
    }
};

// A second request while the first waits for its answer says the restart failed and
// clears the restart state; the first request still runs to its end.
TEST_F(LanguageRelaunchTest, ASecondRequestWhileTheFirstIsUnderWaySaysItCouldNotRestart) {
    openUnsavedEditor();
    chooseJapanese();
    shell.delegate->relaunchForLanguageChange();
    shell.delegate->relaunchForLanguageChange();

    EXPECT_FALSE(shell.model().settingsState().isLanguageRestartInProgress);
    EXPECT_EQ(shell.model().settingsState().languageRestartError,
              QStringLiteral("Veltrano could not restart. Close and reopen the app."));
    EXPECT_EQ(shell.window->findChildren<QMessageBox*>().size(), 1);

    shell.answer(discard());
    shell.models.scheduler.runDue();
    EXPECT_EQ(shell.relaunchCount, 1);
    EXPECT_EQ(shell.exitCount, 1);
}

}  // namespace
}  // namespace vlt
