#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "model/animation_video_save_failure_report.h"
#include "model/app_model_test_access.h"
#include "base/cancellation_error.h"
#include "base/system_error.h"
#include "foundation/capturing_event_log_sink.h"
#include "import/crop_document.h"
#include "model_test_support.h"
#include "output/video/animation_video_failure.h"
#include "output/video/animation_video_save_failure.h"

namespace vlt {
namespace {

using testing::ModelFixture;

std::vector<std::string> eventNames(CapturingEventLogSink& sink) {
    std::vector<std::string> names;
    for (const CapturedEvent& event : sink.events()) names.emplace_back(event.name());
    return names;
}

// A model with an open editor whose canvas writes real videos into `folder`.
struct VideoFixture {
    VideoFixture() {
        models.model->onAnimationVideoSavePanelRequested = [this](const QString& name, auto finish) {
            proposedNames << name;
            finish(panelAnswer);
        };
        session = models.openEditor();
        testing::installMorphVideoCommand(*session);
    }

    // Saves through the model's road and waits until the save has ended.
    void save() {
        models.model->requestAnimationVideoSave();
        testing::processEventsUntil([this] {
            const AnimationVideoSaveState& state = models.model->animationVideoSaveState();
            return !state.isSaving && !state.isSavePanelPresented;
        });
    }

    ModelFixture models;
    QTemporaryDir folder;
    std::optional<QString> panelAnswer = folder.filePath(QStringLiteral("morph.mp4"));
    QStringList proposedNames;
    std::shared_ptr<EditorSession> session;
    ScopedCapturingEventLog log;
};

TEST(AppModelVideoTest, AnUntouchedCanvasOnlySaysSoForFourSeconds) {
    VideoFixture fixture;
    fixture.session->prepareCommittedEditorState = [](EditorStatePreparationIntent, auto completion) {
        completion(false);
    };
    fixture.models.model->requestAnimationVideoSave();
    EXPECT_EQ(fixture.session->transientMessage(), "No edits have been made, so there is no animation to save.");
    EXPECT_TRUE(fixture.proposedNames.isEmpty());
    EXPECT_EQ(fixture.log->count(), 0u);
    fixture.models.scheduler.advance(4.0);
    EXPECT_FALSE(fixture.session->transientMessage().has_value());
}

TEST(AppModelVideoTest, ThePanelProposesTheDocumentsNameAndClosingItLogsACancelledSave) {
    struct Case {
        QString fileName, proposed;
    };
    for (const Case& c : {Case{"x.jpeg", "x-animation.mp4"}, Case{"face.heic", "face-animation.mp4"},
                          Case{"holiday.2024.png", "holiday.2024-animation.mp4"}, Case{"", "VLT-animation.mp4"}}) {
        VideoFixture fixture;
        fixture.panelAnswer.reset();
        fixture.session = fixture.models.openEditor(
            c.fileName.isEmpty() ? nullptr
                                 : std::make_shared<CropDocument>(testing::makeImportedImage(
                                       QUrl::fromLocalFile(QStringLiteral("/photos/") + c.fileName))));
        testing::installMorphVideoCommand(*fixture.session);
        fixture.save();
        EXPECT_EQ(fixture.proposedNames, QStringList{c.proposed});
        EXPECT_EQ(eventNames(fixture.log.sink()),
                  (std::vector<std::string>{"animation_video_save_started", "animation_video_save_cancelled"}));
        EXPECT_EQ(fixture.models.model->animationVideoSaveState(), AnimationVideoSaveState{});
    }
}

// The file is published whatever became of the editor, so the save succeeded; only
// its card belongs to the editor that asked for it.
TEST(AppModelVideoTest, ASaveFinishedAfterTheEditorWasReplacedIsLoggedAsSucceededAndShowsNothing) {
    VideoFixture fixture;
    auto write = fixture.session->writeAnimationVideo;
    fixture.session->writeAnimationVideo = [&, write](const QString& path, std::stop_token stop, auto progress,
                                                      auto completion) {
        AppModelTestAccess::setEditorSession(*fixture.models.model, nullptr);
        write(path, stop, progress, completion);
    };
    fixture.save();
    EXPECT_EQ(eventNames(fixture.log.sink()),
              (std::vector<std::string>{"animation_video_save_started", "animation_video_save_succeeded"}));
    EXPECT_FALSE(fixture.models.model->animationVideoSaveState().savedVideo.has_value());
    EXPECT_TRUE(QFileInfo::exists(*fixture.panelAnswer));
}

TEST(AnimationVideoSaveFailureReportTest, TitlesAndParagraphsFollowWhatWentWrongAndWhatIsLeft) {
    const QString unchanged = "\n\nAny existing file at this destination was left unchanged.";
    const QString cleanup = "\n\nVeltrano could not remove its temporary video file. You may delete it manually:\n/t";
    auto saveFailure = [](ErrorPtr underlying, std::optional<QString> cleanupPath) {
        return makeError<AnimationVideoSaveFailure>(std::move(underlying), std::move(cleanupPath), false);
    };
    struct Case {
        const char* name;
        ErrorPtr error;
        bool taskCancelled;
        QString title, message;
    };
    const Case cases[] = {
        {"no encoder", saveFailure(AnimationVideoFailure::make(AnimationVideoFailure::Case::encoderUnavailable), {}),
         false, "Video not saved",
         "Animation video could not be saved. This computer could not start the H.264 video encoder." + unchanged},
        {"cancelled, folder left", saveFailure(makeCancellationError(), QStringLiteral("/t")), false,
         "Video save cancelled",
         "Animation video export was cancelled, but cleanup needs attention." + unchanged + cleanup},
        {"cancelled cleanly", saveFailure(makeSystemError(5), {}), true, "", ""},
    };
    for (const Case& c : cases) {
        const AnimationVideoSaveFailureReport report = reportAnimationVideoSaveFailure(c.error, c.taskCancelled);
        EXPECT_EQ(report.isQuietCancellation, c.title.isEmpty()) << c.name;
        EXPECT_EQ(report.title, c.title) << c.name;
        EXPECT_EQ(report.message, c.message) << c.name;
    }
}

}  // namespace
}  // namespace vlt
