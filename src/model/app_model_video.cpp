#include <algorithm>
#include <utility>

#include <QFileInfo>
#include <QPointer>

#include "model/animation_video_save_failure_report.h"
#include "model/app_model.h"
#include "editing/session/editor_session.h"
#include "foundation/diagnostic_log.h"
#include "foundation/elapsed_milliseconds.h"
#include "foundation/localized_string.h"
#include "import/crop_document.h"
#include "import/security_scoped_file_access.h"
#include "output/video/animation_video_export.h"
#include "platform/desktop/file_manager.h"

namespace vlt {

namespace {

constexpr double kNoEditsMessageSeconds = 4.0;

QString proposedVideoName(const EditorSession& session) {
    QString base;
    if (session.document()) base = QFileInfo(session.document()->fileName()).completeBaseName();
    if (base.isEmpty()) base = QStringLiteral("VLT");
    return base + QStringLiteral("-animation.mp4");
}

QString revealFailureText() { return localizedString("The file manager could not open the containing folder."); }

}  // namespace

void AppModel::changeAnimationVideoSaveState(const std::function<void(AnimationVideoSaveState&)>& edit) {
    changeArea(animationVideoSave_, edit, &AppModel::animationVideoSaveStateChanged);
}

void AppModel::requestAnimationVideoSave() {
    if (isInteractionLocked() || import_.isImporting || !editor_.editorSession || isEditorTextEntryOpen()) return;
    const std::shared_ptr<EditorSession> session = editor_.editorSession;
    if (!session->prepareCommittedEditorState || !session->writeAnimationVideo) return;
    session->exitAnimationTab();

    QPointer<AppModel> guard(this);
    std::weak_ptr<EditorSession> weakSession = session;
    session->prepareCommittedEditorState(EditorStatePreparationIntent::output, [guard, weakSession](bool hasEdits) {
        if (guard) guard->completeAnimationVideoSaveRequest(weakSession.lock(), hasEdits);
    });
}

void AppModel::completeAnimationVideoSaveRequest(const std::shared_ptr<EditorSession>& session, bool hasEdits) {
    if (isInteractionLocked() || !session || session != editor_.editorSession) return;
    if (!hasEdits) {
        session->showTransientMessage(localizedString("No edits have been made, so there is no animation to save."),
                                      kNoEditsMessageSeconds);
        return;
    }
    presentAnimationVideoSavePanel(session);
}

void AppModel::presentAnimationVideoSavePanel(const std::shared_ptr<EditorSession>& session) {
    // Without a window there is nowhere to show the panel.
    if (animationVideoSave_.isSavePanelPresented || !onAnimationVideoSavePanelRequested) return;
    const AnimationVideoSaveOperation operation{QUuid::createUuid(), uptimeClock->uptimeSeconds()};
    changeAnimationVideoSaveState([](AnimationVideoSaveState& state) { state.isSavePanelPresented = true; });
    DiagnosticLog::animationVideoSaveStarted(operation.id);

    QPointer<AppModel> guard(this);
    std::weak_ptr<EditorSession> weakSession = session;
    onAnimationVideoSavePanelRequested(
        proposedVideoName(*session), [guard, weakSession, operation](std::optional<QString> path) {
            if (guard) {
                guard->handleAnimationVideoSavePanelResult(path, weakSession.lock(), operation);
            }
        });
}

void AppModel::handleAnimationVideoSavePanelResult(const std::optional<QString>& path,
                                                   const std::shared_ptr<EditorSession>& session,
                                                   const AnimationVideoSaveOperation& operation) {
    changeAnimationVideoSaveState([](AnimationVideoSaveState& state) { state.isSavePanelPresented = false; });
    if (path && !path->isEmpty() && session && session == editor_.editorSession) {
        startAnimationVideoSave(*path, session, operation);
        return;
    }
    DiagnosticLog::animationVideoSaveCancelled(operation.id, elapsedMilliseconds(operation.startedAt, *uptimeClock));
}

void AppModel::startAnimationVideoSave(const QString& path, const std::shared_ptr<EditorSession>& session,
                                       const AnimationVideoSaveOperation& operation) {
    if (animationVideoSave_.isSaving || !session->writeAnimationVideo) return;
    // Held until the save has ended.
    const SharedFileAccess access = SecurityScopedFileAccess::start(QUrl::fromLocalFile(path));

    changeAnimationVideoSaveState([](AnimationVideoSaveState& state) {
        state.isSaving = true;
        state.isCancelling = false;
        state.progress = 0.0;
    });
    const TaskHandlePtr task = TaskHandle::create();
    animationVideoSaveTask = task;

    QPointer<AppModel> guard(this);
    AnimationVideoExportSteps steps;
    steps.writeFrames = [guard, write = session->writeAnimationVideo, stop = task->stopToken()](
                            const QString& temporaryPath,
                            std::function<void(Result<AnimationVideoDescriptor>)> completion) {
        write(
            temporaryPath, stop,
            [guard](double percent) {
                if (guard) guard->updateAnimationVideoSaveProgress(percent);
            },
            std::move(completion));
    };
    steps.runInBackground = runInBackground;
    std::weak_ptr<EditorSession> weakSession = session;
    exportAnimationVideo(access->url().toLocalFile(), std::move(steps), task->stopToken(),
                         [guard, task, access, weakSession, operation](Result<AnimationVideoSaveResult> outcome) {
                             if (guard && outcome.ok()) {
                                 guard->completeAnimationVideoSave(outcome.value(), weakSession.lock(), operation);
                             } else if (guard) {
                                 guard->failAnimationVideoSave(outcome.error(), task->isCancelled(), operation);
                             }
                             task->finish();
                         });
}

void AppModel::updateAnimationVideoSaveProgress(double percent) {
    changeAnimationVideoSaveState([percent](AnimationVideoSaveState& state) {
        state.progress = percent <= 0.0 ? 0.0 : std::min(percent, 100.0);
    });
}

void AppModel::completeAnimationVideoSave(const AnimationVideoSaveResult& result,
                                          const std::shared_ptr<EditorSession>& session,
                                          const AnimationVideoSaveOperation& operation) {
    // The file is published either way, so the save succeeded; only the card belongs
    // to the editor that asked for it.
    const bool showsResult = session && session == editor_.editorSession;
    changeAnimationVideoSaveState([this, &result, showsResult](AnimationVideoSaveState& state) {
        finishAnimationVideoSave(state);
        if (!showsResult) return;
        state.progress = 100.0;
        state.savedVideoFolderError.reset();
        state.savedVideo = result;
    });
    DiagnosticLog::animationVideoSaveSucceeded(operation.id, elapsedMilliseconds(operation.startedAt, *uptimeClock));
}

void AppModel::failAnimationVideoSave(const ErrorPtr& error, bool taskCancelled,
                                      const AnimationVideoSaveOperation& operation) {
    const AnimationVideoSaveFailureReport report = reportAnimationVideoSaveFailure(error, taskCancelled);
    const std::int64_t elapsed = elapsedMilliseconds(operation.startedAt, *uptimeClock);
    changeAnimationVideoSaveState([this, &report](AnimationVideoSaveState& state) {
        finishAnimationVideoSave(state);
        if (report.isQuietCancellation) return;
        state.errorTitle = report.title;
        state.errorMessage = report.message;
    });
    if (report.isQuietCancellation) {
        DiagnosticLog::animationVideoSaveCancelled(operation.id, elapsed);
    } else if (report.loggedError) {
        DiagnosticLog::animationVideoSaveFailed(operation.id, elapsed, *report.loggedError);
    }
}

void AppModel::finishAnimationVideoSave(AnimationVideoSaveState& state) {
    state.isSaving = false;
    state.isCancelling = false;
    animationVideoSaveTask.reset();
}

void AppModel::cancelAnimationVideoSave() {
    if (!animationVideoSave_.isSaving || animationVideoSave_.isCancelling) return;
    changeAnimationVideoSaveState([](AnimationVideoSaveState& state) { state.isCancelling = true; });
    if (animationVideoSaveTask) animationVideoSaveTask->cancel();
}

void AppModel::revealSavedAnimationVideo() {
    const std::optional<AnimationVideoSaveResult>& saved = animationVideoSave_.savedVideo;
    if (!saved || !QFileInfo::exists(saved->destination) || !fileManager) {
        changeAnimationVideoSaveState(
            [](AnimationVideoSaveState& state) { state.savedVideoFolderError = revealFailureText(); });
        return;
    }
    const QString destination = saved->destination;
    changeAnimationVideoSaveState([](AnimationVideoSaveState& state) { state.savedVideoFolderError.reset(); });

    QPointer<AppModel> guard(this);
    fileManager->showItems({destination}, [guard, destination](bool shown) {
        if (!guard || shown) return;
        guard->changeAnimationVideoSaveState([&destination](AnimationVideoSaveState& state) {
            // Only while the card that asked is still up.
            if (state.savedVideo && state.savedVideo->destination == destination) {
                state.savedVideoFolderError = revealFailureText();
            }
        });
    });
}

void AppModel::closeSavedAnimationVideo() {
    changeAnimationVideoSaveState([](AnimationVideoSaveState& state) {
        state.savedVideo.reset();
        state.savedVideoFolderError.reset();
    });
}

void AppModel::closeAnimationVideoSaveError() {
    changeAnimationVideoSaveState([](AnimationVideoSaveState& state) {
        state.errorTitle.reset();
        state.errorMessage.reset();
    });
}

}  // namespace vlt
