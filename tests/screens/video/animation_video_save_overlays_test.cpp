#include "screens/video/animation_video_save_overlays.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "app/app_content_view.h"
#include "app/shell_test_support.h"
#include "model/model_test_support.h"
#include "foundation/capturing_event_log_sink.h"
#include "ui/motion_preference.h"

namespace vlt {
namespace {

// The root view over a model whose editor writes real videos into a temporary folder.
class AnimationVideoSaveOverlaysTest : public ::testing::Test {
protected:
    AnimationVideoSaveOverlaysTest() {
        session = models.openEditor();
        testing::installMorphVideoCommand(*session);
        model.fileManager = fileManager;
        view = std::make_unique<AppContentView>(model, models.scheduler, MotionPreference::shared());
        model.onAnimationVideoSavePanelRequested = [this](const QString&, auto finish) { finish(destination); };
        view->resize(1180, 820);
        view->show();
    }

    template <typename Card>
    Card* cardOn(AppOverlayLayer layer) {
        testing::processEventsUntil([&] { return qobject_cast<Card*>(view->overlay(layer)) != nullptr; });
        return qobject_cast<Card*>(view->overlay(layer));
    }

    testing::ReducedMotion reducedMotion;
    testing::ModelFixture models;
    AppModel& model = *models.model;
    std::shared_ptr<EditorSession> session;
    std::shared_ptr<testing::RecordingFileManager> fileManager = std::make_shared<testing::RecordingFileManager>();
    QTemporaryDir folder;
    QString destination = folder.filePath(QStringLiteral("morph.mp4"));
    std::unique_ptr<AppContentView> view;
};

// Cancel counts once and waits for the frames to stop; a clean cancellation leaves no
// file and no card.
TEST_F(AnimationVideoSaveOverlaysTest, TheSavingCardFollowsTheProgressAndCancelWaitsForTheSaveToEnd) {
    ScopedCapturingEventLog log;
    testing::HeldVideoSave held(model, *session, destination);
    held.start();
    auto* card = cardOn<AnimationVideoSavingOverlay>(AppOverlayLayer::animationVideoSaving);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->percentageLabel()->text(), "0%");
    held.progress(94.5);
    EXPECT_EQ(card->percentageLabel()->text(), "95%");
    EXPECT_EQ(card->progressBar()->value(), 945);

    QSignalSpy changes(&model, &AppModel::animationVideoSaveStateChanged);
    card->cancelButton()->click();
    model.cancelAnimationVideoSave();
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(held.stop.stop_requested());
    EXPECT_EQ(card->titleLabel()->text(), "Cancelling video save…");
    EXPECT_FALSE(card->cancelButton()->isEnabled());
    ASSERT_EQ(view->overlay(AppOverlayLayer::animationVideoSaving), card);
    held.finish();
    EXPECT_EQ(view->overlay(AppOverlayLayer::animationVideoSaving), nullptr);
    EXPECT_EQ(view->overlay(AppOverlayLayer::animationVideoSaveError), nullptr);
    EXPECT_EQ(log->lastEvent()->name(), "animation_video_save_cancelled");
    EXPECT_TRUE(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(AnimationVideoSaveOverlaysTest, TheSavedCardShowsWhereTheVideoWentRevealsItAndCloses) {
    ScopedCapturingEventLog log;
    model.requestAnimationVideoSave();
    auto* card = cardOn<AnimationVideoSavedOverlay>(AppOverlayLayer::animationVideoSaved);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->detailView()->toPlainText(), destination);
    EXPECT_GT(QFileInfo(destination).size(), 1000);
    EXPECT_EQ(log->eventsNamed("animation_video_save_succeeded").size(), 1u);
    EXPECT_FALSE(card->additionalErrorLabel()->isVisible());

    fileManager->answer = false;
    card->secondaryButton()->click();
    testing::processEventsUntil([&] { return card->additionalErrorLabel()->isVisible(); });
    EXPECT_EQ(fileManager->requests, std::vector<QStringList>{{destination}});
    EXPECT_EQ(card->additionalErrorLabel()->text(), "The file manager could not open the containing folder.");
    EXPECT_EQ(AnimationVideoSavedOverlay::additionalNotice("/v/.vlt-animation-1", "Not shown."),
              "Veltrano could not remove its temporary video folder. You may delete it manually:\n"
              "/v/.vlt-animation-1\n\nNot shown.");

    card->primaryButton()->click();
    EXPECT_EQ(view->overlay(AppOverlayLayer::animationVideoSaved), nullptr);
    EXPECT_FALSE(model.isInteractionLocked());
}

// A folder in the destination's place: the move fails, the destination may have been
// touched, and the written video is left in a hidden folder that the card names.
TEST_F(AnimationVideoSaveOverlaysTest, TheErrorCardShowsTheModelsTextsVerbatimAndReturnClosesIt) {
    ScopedCapturingEventLog log;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("morph.mp4")));
    model.requestAnimationVideoSave();
    auto* card = cardOn<AnimationVideoSaveErrorOverlay>(AppOverlayLayer::animationVideoSaveError);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->messageLabel()->text(), *model.animationVideoSaveState().errorMessage);
    EXPECT_TRUE(card->messageLabel()->text().contains("\n\nThe system may have started replacing the destination."));
    EXPECT_TRUE(card->messageLabel()->text().contains(":\n" + folder.filePath(".vlt-animation-")));
    EXPECT_EQ(log->lastEvent()->value("failure_code"), "video-publish-failed");
    EXPECT_FALSE(card->secondaryButton()->isVisible());
    QTest::keyClick(card, Qt::Key_Return);
    EXPECT_EQ(view->overlay(AppOverlayLayer::animationVideoSaveError), nullptr);
}

}  // namespace
}  // namespace vlt
