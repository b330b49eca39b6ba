#include <sys/stat.h>

#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

#include "model/model_test_support.h"
#include "foundation/capturing_event_log_sink.h"
#include "output/share/share_image_payload_store.h"
#include "platform/share/share_image_failure.h"
#include "platform/share/share_picker.h"

namespace vlt {
namespace {

namespace fs = std::filesystem;
using testing::makeTestError;
using testing::ManualBackgroundRunner;
using testing::ModelFixture;

// Keeps every presented file and completion; refuses when told to.
class FakePicker final : public SharePicker {
public:
    VoidResult present(const QString& filePath, SharePickerCompletion completion) override {
        if (refusal) return refusal;
        files.push_back(fs::path(filePath.toStdString()));
        completions.push_back(std::move(completion));
        return {};
    }
    ErrorPtr refusal;
    std::vector<fs::path> files;
    std::vector<SharePickerCompletion> completions;
};

StillImageRenderSnapshot snapshotOf(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::darkGreen);
    return {image, image, {}};
}

class ShareFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        model().runInBackground = background.runner();
        model().shareImagePayloadStore = std::make_shared<const ShareImagePayloadStore>(root);
        model().sharePicker = picker;
        session = fixture.openEditor();
        // The editor has no edits: it answers false.
        session->prepareCommittedEditorState = [](EditorStatePreparationIntent, auto done) { done(false); };
        session->makeStillImageSnapshot = [](auto done) { done(snapshotOf(60, 40)); };
    }
    AppModel& model() { return *fixture.model; }
    const ShareState& share() { return model().shareState(); }
    std::vector<fs::path> workingFolders() const {
        std::vector<fs::path> folders;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(root, error)) folders.push_back(entry.path());
        return folders;
    }
    std::size_t logged(std::string_view name) { return log->eventsNamed(name).size(); }
    // Opens the dialog, continues with its choices and lets the image be prepared.
    void shareUntilThePicker() {
        model().requestShareImage();
        ASSERT_TRUE(share().shareImageState.has_value());
        model().startSharePreparation(*share().shareImageState);
        background.runAll();
    }

    ScopedCapturingEventLog log;
    ModelFixture fixture;
    ManualBackgroundRunner background;
    QTemporaryDir folder;
    fs::path root = fs::path(folder.path().toStdString()) / "Veltrano" / "Share";
    std::shared_ptr<FakePicker> picker = std::make_shared<FakePicker>();
    std::shared_ptr<EditorSession> session;
};

TEST_F(ShareFlowTest, FromAnimateTheDialogOpensOnTheTabShownBeforeEvenWithoutEdits) {
    session->setLastNonAnimationTab(EditorTab::original);
    session->setSelectedTab(EditorTab::animate);
    model().updateSettings(model().settingsState().settings.updatingSharePreferences(true, false));

    model().requestShareImage();

    EXPECT_EQ(session->selectedTab(), EditorTab::original);
    EXPECT_EQ(share().shareImageState, (ShareImageDialogState{StillImageKind::original, true, false}));
    EXPECT_FALSE(share().isShareImageOpening);
}

TEST_F(ShareFlowTest, ASharedFileStaysForHalfAnHourSleepIncludedAndAFailedRemovalIsShown) {
    model().updateSettings(model().settingsState().settings.updatingComparisonLabels(QString(), QStringLiteral(" ")));
    model().requestShareImage();
    model().startSharePreparation({StillImageKind::comparison, true, true});
    EXPECT_EQ(share().shareImageState, (ShareImageDialogState{StillImageKind::comparison, false, false}))
        << "watermarks that are not configured are not drawn";
    background.runAll();

    ASSERT_EQ(picker->files.size(), 1u);
    const fs::path file = picker->files.front();
    EXPECT_TRUE(fs::exists(file));
    EXPECT_FALSE(share().shareImageState || share().isShareImagePreparing);
    EXPECT_TRUE(share().isNativeShareServiceActive);
    model().requestShareImage();
    EXPECT_FALSE(share().shareImageState.has_value()) << "one share at a time";

    picker->completions.front()(SharePickerOutcome::shared());
    EXPECT_FALSE(share().isNativeShareServiceActive || share().activeShareOperationID);
    // The half hour counts the time the computer slept.
    fixture.scheduler.sleep(1500.0);
    fixture.scheduler.advance(299.0);
    background.runAll();
    EXPECT_TRUE(fs::exists(file));
    fixture.scheduler.advance(1.0);
    background.runAll();
    EXPECT_FALSE(fs::exists(file));

    shareUntilThePicker();
    picker->completions.back()(SharePickerOutcome::shared());
    // Made writable by everyone, the root is no longer trusted, so nothing is removed.
    fs::permissions(root.parent_path(), fs::perms::all);
    fixture.scheduler.advance(1800.0);
    background.runAll();
    EXPECT_TRUE(fs::exists(picker->files.back()));
    EXPECT_EQ(session->persistentMessage(),
              QStringLiteral("The temporary shared image is locked and will be removed later."));
}

TEST_F(ShareFlowTest, ACancelledShareRemovesTheFileAtOnceAndSaysNothing) {
    shareUntilThePicker();
    picker->completions.back()(SharePickerOutcome::cancelled());
    background.runAll();
    EXPECT_TRUE(workingFolders().empty());
    EXPECT_EQ(logged("share_image_cancelled"), 1u);
    EXPECT_FALSE(share().shareImageErrorTitle || share().shareImageErrorMessage);
}

TEST_F(ShareFlowTest, WithTheWindowHiddenSharingIsUnavailableAndTheFileGoes) {
    picker->refusal = ShareImageFailure::make(ShareImageFailure::Case::pickerUnavailable);
    shareUntilThePicker();
    background.runAll();

    EXPECT_EQ(share().shareImageErrorTitle, QStringLiteral("Sharing unavailable"));
    EXPECT_EQ(
        share().shareImageErrorMessage,
        QStringLiteral("Sharing could not start. The system could not open the Share menu for this application."));
    EXPECT_FALSE(share().shareImageState || share().isNativeShareServiceActive || share().activeShareOperationID);
    EXPECT_TRUE(workingFolders().empty());
    model().closeShareImageError();
    EXPECT_FALSE(share().shareImageErrorTitle || share().shareImageErrorMessage);
}

TEST_F(ShareFlowTest, ClosingTheDialogWhilePreparingCancelsTheShare) {
    model().requestShareImage();
    model().startSharePreparation(*share().shareImageState);
    model().dismissShareDialog();
    EXPECT_TRUE(share().shareImageState.has_value()) << "the dialog waits for the preparation to stop";
    EXPECT_TRUE(share().isShareImagePreparing);

    background.runAll();
    EXPECT_FALSE(share().shareImageState || share().isShareImagePreparing || share().activeShareOperationID);
    EXPECT_EQ(logged("share_image_cancelled"), 1u);
    EXPECT_FALSE(share().shareImageErrorTitle.has_value());
    EXPECT_TRUE(picker->files.empty());
    EXPECT_TRUE(workingFolders().empty());
}

TEST_F(ShareFlowTest, ALateOutcomeOfAnEarlierShareChangesNothing) {
    shareUntilThePicker();
    const SharePickerCompletion earlier = picker->completions.back();
    earlier(SharePickerOutcome::cancelled());
    shareUntilThePicker();
    const ShareState during = share();
    const std::size_t events = log->count();

    earlier(SharePickerOutcome::failed(ShareMenuEntry::openWith, makeTestError()));
    background.runAll();
    EXPECT_EQ(share(), during);
    EXPECT_EQ(log->count(), events);
    EXPECT_TRUE(fs::exists(picker->files.back()));
}

}  // namespace
}  // namespace vlt
