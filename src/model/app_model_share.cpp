#include <chrono>
#include <utility>

#include <QDateTime>
#include <QPointer>

#include "model/app_model.h"
#include "model/share_image_failure_report.h"
#include "base/cancellation_error.h"
#include "base/main_thread.h"
#include "editing/session/editor_session.h"
#include "foundation/diagnostic_log.h"
#include "foundation/elapsed_milliseconds.h"
#include "foundation/localized_string.h"
#include "import/crop_document.h"
#include "output/share/share_image_export_options.h"
#include "output/share/share_image_payload_store.h"
#include "output/still/still_image_composer.h"
#include "output/still/still_image_file_naming.h"
#include "platform/share/share_image_failure.h"
#include "platform/share/share_picker.h"

namespace vlt {

namespace {

// A completed share leaves the file for this long, so that the receiving application
// can still read it.
constexpr double kSharedFileLifetimeSeconds = 1800.0;

QString lockedFileMessage() {
    return localizedString("The temporary shared image is locked and will be removed later.");
}

}  // namespace

void AppModel::changeShareState(const std::function<void(ShareState&)>& edit) {
    changeArea(share_, edit, &AppModel::shareStateChanged);
}

void AppModel::cleanUpStaleSharePayloads() {
    if (staleSharePayloadCleanupTask_ || !shareImagePayloadStore) return;
    const TaskHandlePtr task = TaskHandle::create();
    staleSharePayloadCleanupTask_ = task;
    QPointer<AppModel> guard(this);
    runInBackground([guard, task, store = shareImagePayloadStore, now = std::chrono::system_clock::now()] {
        store->removeStaleWorkingDirectories(now, task->stopToken());
        postToMainThread([guard, task] {
            task->finish();
            if (guard && guard->staleSharePayloadCleanupTask_ == task) guard->staleSharePayloadCleanupTask_.reset();
        });
    });
}

void AppModel::requestShareImage() {
    if (isInteractionLocked() || share_.isNativeShareServiceActive || import_.isImporting) return;
    const std::shared_ptr<EditorSession> session = editor_.editorSession;
    if (!session || isEditorTextEntryOpen() || !session->prepareCommittedEditorState) return;
    session->exitAnimationTab();
    changeShareState([](ShareState& state) { state.isShareImageOpening = true; });

    QPointer<AppModel> guard(this);
    std::weak_ptr<EditorSession> weakSession = session;
    session->prepareCommittedEditorState(EditorStatePreparationIntent::output, [guard, weakSession](bool) {
        if (guard) guard->completeShareImageRequest(weakSession.lock());
    });
}

// Whether the image holds edits plays no part: an unedited photograph can be shared.
void AppModel::completeShareImageRequest(const std::shared_ptr<EditorSession>& session) {
    changeShareState([](ShareState& state) { state.isShareImageOpening = false; });
    if (!session || session != editor_.editorSession) return;
    if (isPresentingModal() || closeRequest_.isCloseRequestPending) return;
    const ApplicationSettings& settings = settings_.settings;
    const ShareImageDialogState choices{stillImageKindOfTab(session->selectedTab()), settings.includeLabelsWhenSharing,
                                        settings.includeContactInformationWhenSharing};
    changeShareState([&choices](ShareState& state) { state.shareImageState = choices; });
}

void AppModel::dismissShareDialog() {
    if (share_.isShareImagePreparing) {
        // The dialog stays until the preparation has wound down and closes it.
        if (share_.shareImagePreparationTask) share_.shareImagePreparationTask->cancel();
        return;
    }
    changeShareState([](ShareState& state) { state.shareImageState.reset(); });
}

void AppModel::openSettingsFromShareDialog(SettingsSection section, const ShareImageDialogState& choices) {
    if (!share_.shareImageState || share_.isShareImagePreparing) return;
    changeShareState([&choices](ShareState& state) {
        state.shareImageStateAfterSettings = choices;
        state.shareImageState.reset();
    });
    presentSettings(section);
}

void AppModel::restoreShareDialogAfterSettings() {
    // Without an editor the choices wait for the next closing that has one.
    if (!share_.shareImageStateAfterSettings || editor_.editorSession == nullptr) return;
    changeShareState([](ShareState& state) {
        state.shareImageState = state.shareImageStateAfterSettings;
        state.shareImageStateAfterSettings.reset();
    });
}

void AppModel::closeShareImageError() {
    changeShareState([](ShareState& state) {
        state.shareImageErrorTitle.reset();
        state.shareImageErrorMessage.reset();
    });
}

void AppModel::startSharePreparation(const ShareImageDialogState& choices) {
    if (!share_.shareImageState || share_.isShareImagePreparing) return;
    const std::shared_ptr<EditorSession> session = editor_.editorSession;
    if (!session || !session->makeStillImageSnapshot) return;

    const ShareImageDialogState effective = choices.effective(settings_.settings);
    const ShareOperation operation{QUuid::createUuid(), uptimeClock->uptimeSeconds()};
    const TaskHandlePtr task = TaskHandle::create();
    changeShareState([&](ShareState& state) {
        state.shareImageState = effective;
        state.isShareImagePreparing = true;
        state.activeShareOperationID = operation.id;
        state.shareImagePreparationTask = task;
    });
    DiagnosticLog::shareImageStarted(operation.id);

    QPointer<AppModel> guard(this);
    std::weak_ptr<EditorSession> weakSession = session;
    session->makeStillImageSnapshot(
        [guard, weakSession, effective, operation, task](Result<StillImageRenderSnapshot> snapshot) {
            if (!guard) {
                task->finish();
                return;
            }
            guard->composeShareImage(std::move(snapshot), weakSession.lock(), effective, operation, task);
        });
}

void AppModel::composeShareImage(Result<StillImageRenderSnapshot> snapshot,
                                 const std::shared_ptr<EditorSession>& session, const ShareImageDialogState& choices,
                                 const ShareOperation& operation, const TaskHandlePtr& task) {
    if (!snapshot.ok()) {
        failSharePreparation(snapshot.error(), std::nullopt, operation, task);
        return;
    }
    if (task->isCancelled() || !session) {
        failSharePreparation(makeCancellationError(), std::nullopt, operation, task);
        return;
    }
    const QImage& original = snapshot.value().original;
    const StillImageExportOptions options =
        ShareImageExportOptions::make(choices.selectedKind, original.width(), original.height(), choices.includeLabels,
                                      choices.includeContactInformation, settings_.settings);
    const QString documentName = session->document() ? session->document()->fileName() : QString();
    const QString baseName = StillImageFileNaming::defaultBaseName(documentName, QDateTime::currentDateTime());

    // Composing and writing run together off the GUI thread; the store finishes or
    // removes its folder itself, and a file that arrives for a share that is over
    // is removed here.
    QPointer<AppModel> guard(this);
    std::weak_ptr<EditorSession> weakSession = session;
    runInBackground([guard, weakSession, operation, task, options, baseName, kind = choices.selectedKind,
                     store = shareImagePayloadStore, snapshot = std::move(snapshot).value()] {
        Result<ShareImagePayload> payload = makeCancellationError();
        Result<QImage> image = StillImageComposer::render(kind, snapshot, options);
        if (!image.ok()) {
            payload = image.error();
        } else if (!task->isCancelled()) {
            payload = store->preparePayload(image.value(), baseName, kind, task->stopToken());
        }
        postToMainThread([guard, weakSession, operation, task, store, payload = std::move(payload)]() mutable {
            if (guard) {
                guard->presentSharePicker(std::move(payload), weakSession.lock(), operation, task);
                return;
            }
            if (payload.ok()) store->removeWorkingDirectory(payload.value().workingDirectoryPath);
            task->finish();
        });
    });
}

void AppModel::presentSharePicker(Result<ShareImagePayload> prepared, const std::shared_ptr<EditorSession>& session,
                                  const ShareOperation& operation, const TaskHandlePtr& task) {
    if (!prepared.ok()) {
        failSharePreparation(prepared.error(), std::nullopt, operation, task);
        return;
    }
    const ShareImagePayload payload = std::move(prepared).value();
    const bool isStillWanted = !task->isCancelled() && session && session == editor_.editorSession &&
                               share_.activeShareOperationID == operation.id && share_.isShareImagePreparing;
    // Without a picker there is no window to share from: the share ends quietly.
    if (!isStillWanted || !sharePicker) {
        failSharePreparation(makeCancellationError(), payload, operation, task);
        return;
    }

    changeShareState([](ShareState& state) { state.isNativeShareServiceActive = true; });
    QPointer<AppModel> guard(this);
    const VoidResult presented =
        sharePicker->present(QString::fromStdString(payload.filePath.string()),
                             [guard, payload, operation](const SharePickerOutcome& outcome) {
                                 if (guard) guard->handleSharePickerOutcome(outcome, payload, operation);
                             });
    if (!presented.ok()) {
        failSharePreparation(presented.error(), payload, operation, task);
        return;
    }
    changeShareState([](ShareState& state) {
        state.shareImageState.reset();
        state.isShareImagePreparing = false;
        state.shareImagePreparationTask.reset();
    });
    task->finish();
}

void AppModel::failSharePreparation(const ErrorPtr& error, const std::optional<ShareImagePayload>& payload,
                                    const ShareOperation& operation, const TaskHandlePtr& task) {
    if (payload) scheduleSharePayloadDeletion(*payload, std::nullopt, false);
    task->finish();
    // A newer share has taken over: this one changes nothing more.
    if (share_.activeShareOperationID != operation.id) return;
    changeShareState([](ShareState& state) {
        state.shareImageState.reset();
        state.isShareImagePreparing = false;
        state.shareImagePreparationTask.reset();
        state.isNativeShareServiceActive = false;
        state.activeShareOperationID.reset();
    });
    const std::int64_t elapsed = elapsedMilliseconds(operation.startedAt, *uptimeClock);
    if (isCancellation(error) || task->isCancelled()) {
        DiagnosticLog::shareImageCancelled(operation.id, elapsed);
        return;
    }
    DiagnosticLog::shareImageFailed(operation.id, elapsed, *error);
    const ShareImageFailureReport report = ShareImageFailureReport::forPreparation(error);
    changeShareState([&report](ShareState& state) {
        state.shareImageErrorTitle = report.title;
        state.shareImageErrorMessage = report.message;
    });
}

void AppModel::handleSharePickerOutcome(const SharePickerOutcome& outcome, const ShareImagePayload& payload,
                                        const ShareOperation& operation) {
    if (share_.activeShareOperationID != operation.id) return;
    changeShareState([](ShareState& state) {
        state.activeShareOperationID.reset();
        state.isNativeShareServiceActive = false;
    });
    const std::int64_t elapsed = elapsedMilliseconds(operation.startedAt, *uptimeClock);
    switch (outcome.kind) {
    case SharePickerOutcome::Kind::shared:
        DiagnosticLog::shareImageSucceeded(operation.id, elapsed);
        scheduleSharePayloadDeletion(payload, kSharedFileLifetimeSeconds, true);
        return;
    case SharePickerOutcome::Kind::cancelled:
        DiagnosticLog::shareImageCancelled(operation.id, elapsed);
        scheduleSharePayloadDeletion(payload, std::nullopt, false);
        return;
    case SharePickerOutcome::Kind::failed:
        break;
    }
    DiagnosticLog::shareImageFailed(operation.id, elapsed, ShareImageSystemFailure(outcome.error));
    scheduleSharePayloadDeletion(payload, std::nullopt, false);
    const ShareImageFailureReport report = ShareImageFailureReport::forService(outcome.failedService);
    changeShareState([&report](ShareState& state) {
        state.shareImageErrorTitle = report.title;
        state.shareImageErrorMessage = report.message;
    });
}

void AppModel::scheduleSharePayloadDeletion(const ShareImagePayload& payload, std::optional<double> delaySeconds,
                                            bool reportsFailure) {
    const QUuid key = QUuid::createUuid();
    SharePayloadDeletion& deletion = sharePayloadDeletions_[key];
    deletion.task = TaskHandle::create();
    if (!delaySeconds) {
        startSharePayloadDeletion(key, payload, reportsFailure);
        return;
    }
    QPointer<AppModel> guard(this);
    // Half an hour of the person's time: a laptop that sleeps meanwhile does not keep
    // the shared photograph longer.
    deletion.delay = scheduler_.scheduleCountingSleep(*delaySeconds, [guard, key, payload, reportsFailure] {
        if (guard) guard->startSharePayloadDeletion(key, payload, reportsFailure);
    });
    // A cancel during the wait (the application ends) leaves the file to the sweep.
    deletion.cancelWatch = std::make_shared<std::stop_callback<std::function<void()>>>(
        deletion.task->stopToken(), std::function<void()>([guard, key, scheduler = &scheduler_] {
            scheduler->post([guard, key] {
                if (!guard) return;
                auto found = guard->sharePayloadDeletions_.find(key);
                if (found == guard->sharePayloadDeletions_.end() || !found->second.delay.isScheduled()) return;
                found->second.delay.cancel();
                const TaskHandlePtr task = found->second.task;
                guard->sharePayloadDeletions_.erase(found);
                task->finish();
            });
        }));
}

void AppModel::startSharePayloadDeletion(const QUuid& key, const ShareImagePayload& payload, bool reportsFailure) {
    auto found = sharePayloadDeletions_.find(key);
    if (found == sharePayloadDeletions_.end()) return;
    found->second.delay = ScheduledWork();
    QPointer<AppModel> guard(this);
    runInBackground([guard, key, reportsFailure, task = found->second.task, store = shareImagePayloadStore,
                     folder = payload.workingDirectoryPath] {
        const bool removed = store->removeWorkingDirectory(folder);
        postToMainThread([guard, key, removed, reportsFailure, task] {
            if (guard) guard->endSharePayloadDeletion(key, removed, reportsFailure);
            task->finish();
        });
    });
}

void AppModel::endSharePayloadDeletion(const QUuid& key, bool removed, bool reportsFailure) {
    sharePayloadDeletions_.erase(key);
    // The folder stays for the sweep of a later launch.
    if (!removed && reportsFailure && editor_.editorSession) {
        editor_.editorSession->showPersistentMessage(lockedFileMessage());
    }
}

}  // namespace vlt
