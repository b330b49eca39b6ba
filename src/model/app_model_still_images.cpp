#include <algorithm>
#include <utility>

#include <QDateTime>
#include <QFileInfo>
#include <QPointer>

#include "model/app_model.h"
#include "model/still_image_save_failure_report.h"
#include "model/still_image_save_view_model.h"
#include "base/main_thread.h"
#include "editing/session/editor_session.h"
#include "foundation/diagnostic_log.h"
#include "foundation/elapsed_milliseconds.h"
#include "foundation/localized_string.h"
#include "output/still/security_scoped_folder_access.h"
#include "output/still/still_image_file_naming.h"
#include "output/still/still_image_save_job.h"
#include "platform/desktop/file_manager.h"

namespace vlt {

namespace {

constexpr double kNoEditsMessageSeconds = 4.0;

const QString& noEditsText() {
    static const QString text = localizedString("No edits have been made, so there are no changes to save.");
    return text;
}

QString chooseLocationText() { return localizedString("Choose a save location."); }

QString revealFailureText() { return localizedString("The file manager could not open the containing folder."); }

const StillImageSaveLocation* recentLocationWithPath(const ApplicationSettings& settings, const QString& path) {
    for (const StillImageSaveLocation& location : settings.recentStillImageSaveLocations) {
        if (location.identity() == path) return &location;
    }
    return nullptr;
}

bool savesTheChanges(const std::vector<StillImageKind>& kinds) {
    return std::any_of(kinds.begin(), kinds.end(),
                       [](StillImageKind kind) { return kind != StillImageKind::original; });
}

}  // namespace

void AppModel::changeStillImageSaveState(const std::function<void(StillImageSaveState&)>& edit) {
    changeArea(stillImageSave_, edit, &AppModel::stillImageSaveStateChanged);
}

// Opening

void AppModel::requestSaveImages() {
    if (isInteractionLocked() || import_.isImporting || !editor_.editorSession || isEditorTextEntryOpen()) return;
    const std::shared_ptr<EditorSession> session = editor_.editorSession;
    if (!session->prepareCommittedEditorState) return;
    session->exitAnimationTab();

    QPointer<AppModel> guard(this);
    std::weak_ptr<EditorSession> weakSession = session;
    session->prepareCommittedEditorState(EditorStatePreparationIntent::output, [guard, weakSession](bool hasEdits) {
        if (guard) guard->completeSaveImagesRequest(weakSession.lock(), hasEdits);
    });
}

void AppModel::completeSaveImagesRequest(const std::shared_ptr<EditorSession>& session, bool hasEdits) {
    if (isInteractionLocked() || !session || session != editor_.editorSession) return;
    if (!hasEdits) {
        session->showTransientMessage(noEditsText(), kNoEditsMessageSeconds);
        return;
    }
    refreshStillImageSaveDestination();
    changeStillImageSaveState([](StillImageSaveState& state) { state.isSaveImagesPresented = true; });
    prepareStillImageSave(session);
}

void AppModel::presentSaveImages() {
    // 1. The close request ends here, whatever follows.
    const std::shared_ptr<EditorSession> session = closePreparationSession_.lock();
    completePendingCloseRequest(false);
    changeEditorState([](EditorState& state) { state.showsGraphicsFailure = false; });

    // 2. Only for the editor that was asked about, while it still has changes.
    const bool isSameEditor = session && session == editor_.editorSession;
    if (!isSameEditor || !session->canReset() || session->textEntryRequest()) return;
    if (!mayPresentSaveImages()) return;

    refreshStillImageSaveDestination();
    changeStillImageSaveState([](StillImageSaveState& state) { state.isSaveImagesPresented = true; });
    prepareStillImageSave(session);
}

// The render and the canvas memory the dialog's first choices need, made ready while
// the person reads the dialog.
void AppModel::prepareStillImageSave(const std::shared_ptr<EditorSession>& session) {
    const StillImageExportOptions options =
        StillImageSaveViewModel(*this, QDateTime::currentDateTime()).makeExportOptions();
    stillImageSavePreparation_.start(session, options);
}

bool AppModel::mayPresentSaveImages() const {
    const StillImageSaveState& state = stillImageSave_;
    return !state.isSaveImagesPresented && !state.isSaving && !state.savedImages && !state.errorTitle &&
           !animationVideoSave_.isSaving && !print_.isPrinting;
}

// The dialog saves the editor it was opened for. The unsaved-changes question can open
// it while another photograph loads; once that photograph replaced the editor, Save
// would close the dialog having saved nothing, so the dialog goes with its editor.
void AppModel::closeSaveImagesOfReplacedEditor() {
    if (!stillImageSave_.isSaveImagesPresented) return;
    changeStillImageSaveState([](StillImageSaveState& state) { state.isSaveImagesPresented = false; });
    stillImageSavePreparation_.drop();
}

void AppModel::dismissSaveImages() {
    changeStillImageSaveState([](StillImageSaveState& state) {
        if (!state.isFolderPickerPresented) state.isSaveImagesPresented = false;
    });
    if (!stillImageSave_.isSaveImagesPresented) stillImageSavePreparation_.drop();
}

// Saving

void AppModel::saveStillImages(const QString& baseName, const QString& subfolder,
                               const StillImageExportOptions& options) {
    const StillImageSaveState& state = stillImageSave_;
    if (!state.isSaveImagesPresented || state.isFolderPickerPresented) return;
    if (StillImageFileNaming::baseNameValidationMessage(baseName) ||
        StillImageFileNaming::subfolderValidationMessage(subfolder) || !state.selectedLocation) {
        return;
    }

    const Result<ResolvedStillImageSaveLocation> resolved =
        stillImageSaveDestinations().resolve(state.selectedLocation->location);
    if (!resolved.ok()) {
        const QString pathKey = state.selectedLocation->location.identity();
        changeStillImageSaveState([](StillImageSaveState& changed) {
            changed.selectedLocation.reset();
            changed.destinationError =
                localizedString("This folder no longer exists or cannot be accessed. Choose another save location.");
            changed.hasDestination = false;
        });
        setRecentStillImageSaveLocationAvailability(pathKey, false);
        return;
    }

    applyStillImageSaveLocation(resolved.value());
    changeStillImageSaveState([](StillImageSaveState& changed) { changed.isSaveImagesPresented = false; });
    startStillImageSave(resolved.value(), baseName, subfolder, options);
}

void AppModel::startStillImageSave(const ResolvedStillImageSaveLocation& destination, const QString& baseName,
                                   const QString& subfolder, const StillImageExportOptions& options) {
    const std::shared_ptr<EditorSession> session = editor_.editorSession;
    if (stillImageSave_.isSaving || !session || !session->makeStillImageSnapshot) return;

    // 1. What the save writes, and the revision it will stand for.
    std::vector<StillImageKind> kinds = stillImageKinds(options.selection, options.currentTab);
    const std::int64_t revision = session->historyStateRevision();
    // Held until the save has ended.
    const SharedFolderAccess access = SecurityScopedFolderAccess::start(destination.accessRootPath);
    const StillImageSaveOperation operation{QUuid::createUuid(), uptimeClock->uptimeSeconds()};

    // 2. The saving card, and the task that the card's Cancel and quitting stop.
    changeStillImageSaveState([](StillImageSaveState& state) { state.isSaving = true; });
    DiagnosticLog::stillImageSaveStarted(operation.id);
    const TaskHandlePtr task = TaskHandle::create();
    stillImageSaveTask = task;

    // 3. The editor's snapshot (asked for when the dialog opened, or now) and the work on
    //    workers, which start on the Original while the Simulation may still render.
    StillImageSaveRequest request;
    request.snapshot = stillImageSavePreparation_.takeSnapshot(session);
    request.kinds = std::move(kinds);
    request.destinationFolder = destination.destinationPath.toStdString();
    request.subfolderName = subfolder;
    request.baseName = baseName;
    request.options = options;
    QPointer<AppModel> guard(this);
    std::weak_ptr<EditorSession> weakSession = session;
    const auto finish = [guard, task, access, weakSession, destination, subfolder, revision,
                         operation](Result<StillImageSaveResult, StillImageSaveFailure> outcome) {
        if (guard && outcome.ok()) {
            guard->completeStillImageSave(outcome.value(), weakSession.lock(), destination, subfolder, revision,
                                          operation);
        } else if (guard) {
            guard->failStillImageSave(outcome.error(), task->isCancelled(), operation);
        }
        task->finish();
    };
    runInBackground([request = std::move(request), task, finish, fileSystem = stillImageFileSystem] {
        Result<StillImageSaveResult, StillImageSaveFailure> outcome =
            runStillImageSaveJob(request, task->stopToken(), {}, *fileSystem);
        postToMainThread([finish, outcome = std::move(outcome)] { finish(outcome); });
    });
}

void AppModel::completeStillImageSave(const StillImageSaveResult& result, const std::shared_ptr<EditorSession>& session,
                                      const ResolvedStillImageSaveLocation& destination, const QString& subfolder,
                                      std::int64_t revision, const StillImageSaveOperation& operation) {
    // 1. The card belongs to the editor that asked for it; the files are published
    //    either way, so the save counts as succeeded.
    stillImageSaveTask.reset();
    stillImageSavePreparation_.drop();
    const bool isSameEditor = session && session == editor_.editorSession;
    changeStillImageSaveState([&result, isSameEditor](StillImageSaveState& state) {
        state.isSaving = false;
        if (!isSameEditor) return;
        state.savedImagesFolderError.reset();
        state.savedImages = result;
    });

    // 2. The folder joins the recent ones, written at once.
    const StillImageSaveLocation saved{
        QString::fromStdString(result.folder.string()), destination.location.bookmarkData,
        StillImageFileNaming::sanitizedSubfolderPath(destination.location.relativeSubfolder, subfolder)};
    updateSettings(settings_.settings.recordingStillImageSaveLocation(saved));
    cancelPendingSettingsSave();
    saveSettingsNow();

    // 3. A save of the Original alone does not save the changes.
    if (isSameEditor && savesTheChanges(result.includedKinds))
        session->setLastSuccessfulStillImageSaveRevision(revision);
    if (result.folderSyncFailure) DiagnosticLog::stillImageFolderSyncFailed(operation.id, *result.folderSyncFailure);
    DiagnosticLog::stillImageSaveSucceeded(operation.id, elapsedMilliseconds(operation.startedAt, *uptimeClock));
}

void AppModel::failStillImageSave(const StillImageSaveFailure& failure, bool taskCancelled,
                                  const StillImageSaveOperation& operation) {
    stillImageSaveTask.reset();
    stillImageSavePreparation_.drop();
    const StillImageSaveFailureReport report = reportStillImageSaveFailure(failure, taskCancelled);
    const std::int64_t elapsed = elapsedMilliseconds(operation.startedAt, *uptimeClock);
    changeStillImageSaveState([&report](StillImageSaveState& state) {
        state.isSaving = false;
        if (report.isQuietCancellation) return;
        state.errorTitle = report.title;
        state.errorMessage = report.message;
    });
    if (report.isQuietCancellation) {
        DiagnosticLog::stillImageSaveCancelled(operation.id, elapsed);
        return;
    }
    DiagnosticLog::stillImageSaveFailed(operation.id, elapsed, *report.loggedError);
}

void AppModel::cancelStillImageSave() {
    if (stillImageSaveTask) stillImageSaveTask->cancel();
}

// The cards

void AppModel::revealSavedStillImages() {
    const std::optional<StillImageSaveResult>& saved = stillImageSave_.savedImages;
    if (!saved || saved->fileNames.empty()) return;
    const QString folder = QString::fromStdString(saved->folder.string());
    const QString firstFile = folder + QLatin1Char('/') + saved->fileNames.front();

    // 1. Access to the folder, through its recent entry, for as long as the request runs.
    SharedFolderAccess access;
    if (const StillImageSaveLocation* recent = recentLocationWithPath(settings_.settings, folder)) {
        const Result<ResolvedStillImageSaveLocation> resolved = stillImageSaveDestinations().resolve(*recent);
        if (resolved.ok()) access = SecurityScopedFolderAccess::start(resolved.value().accessRootPath);
    }

    // 2. The file manager, with the first file selected.
    if (!QFileInfo::exists(firstFile) || !fileManager) {
        changeStillImageSaveState(
            [](StillImageSaveState& state) { state.savedImagesFolderError = revealFailureText(); });
        return;
    }
    changeStillImageSaveState([](StillImageSaveState& state) { state.savedImagesFolderError.reset(); });
    QPointer<AppModel> guard(this);
    const StillImageSaveResult shownResult = *saved;
    fileManager->showItems({firstFile}, [guard, access, shownResult](bool shown) {
        if (!guard || shown) return;
        guard->changeStillImageSaveState([&shownResult](StillImageSaveState& state) {
            // Only while the card that asked is still up.
            if (state.savedImages == shownResult) state.savedImagesFolderError = revealFailureText();
        });
    });
}

void AppModel::closeSavedStillImages() {
    changeStillImageSaveState([](StillImageSaveState& state) {
        state.savedImages.reset();
        state.savedImagesFolderError.reset();
    });
}

void AppModel::closeStillImageSaveError() {
    changeStillImageSaveState([](StillImageSaveState& state) {
        state.errorTitle.reset();
        state.errorMessage.reset();
    });
}

// Destinations

void AppModel::applyStillImageSaveLocation(const ResolvedStillImageSaveLocation& location) {
    changeStillImageSaveState([&location](StillImageSaveState& state) {
        state.selectedLocation = location;
        state.destinationDisplayPath = location.location.displayPath;
        state.destinationError.reset();
        state.hasDestination = true;
    });
}

void AppModel::clearStillImageSaveDestination(const QString& displayPath, const QString& message) {
    changeStillImageSaveState([&displayPath, &message](StillImageSaveState& state) {
        state.selectedLocation.reset();
        state.destinationDisplayPath = displayPath;
        state.destinationError = message;
        state.hasDestination = false;
    });
}

void AppModel::refreshRecentStillImageSaveLocations() {
    const StillImageSaveDestinations destinations = stillImageSaveDestinations();
    std::vector<StillImageRecentLocationState> states;
    for (const StillImageSaveLocation& location : settings_.settings.recentStillImageSaveLocations) {
        states.push_back(StillImageRecentLocationState{location, destinations.resolve(location).ok()});
    }
    changeStillImageSaveState([&states](StillImageSaveState& state) { state.recentLocations = std::move(states); });
}

void AppModel::setRecentStillImageSaveLocationAvailability(const QString& pathKey, bool isAvailable) {
    changeStillImageSaveState([&pathKey, isAvailable](StillImageSaveState& state) {
        for (StillImageRecentLocationState& recent : state.recentLocations) {
            if (recent.location.identity() == pathKey) recent.isAvailable = isAvailable;
        }
    });
}

void AppModel::refreshStillImageSaveDestination() {
    // 1. Nothing selected until the remembered folder resolves.
    clearStillImageSaveDestination(QString(), chooseLocationText());
    refreshRecentStillImageSaveLocations();

    // 2. The folder of the last save, found among the recent ones.
    const QString& lastPath = settings_.settings.lastStillImageSaveLocationPath;
    if (lastPath.isEmpty()) return;
    const StillImageSaveLocation* remembered = recentLocationWithPath(settings_.settings, lastPath);
    if (remembered == nullptr) return;
    const StillImageSaveLocation location = *remembered;
    const Result<ResolvedStillImageSaveLocation> resolved = stillImageSaveDestinations().resolve(location);
    if (resolved.ok()) {
        applyStillImageSaveLocation(resolved.value());
        return;
    }
    clearStillImageSaveDestination(location.displayPath,
                                   localizedString("This folder no longer exists. Choose another save location."));
    setRecentStillImageSaveLocationAvailability(location.identity(), false);
}

void AppModel::selectRecentStillImageSaveLocation(const QString& pathKey) {
    if (!stillImageSave_.isSaveImagesPresented) return;
    const StillImageSaveLocation* found = recentLocationWithPath(settings_.settings, pathKey);
    if (found == nullptr) return;
    const StillImageSaveLocation location = *found;
    const Result<ResolvedStillImageSaveLocation> resolved = stillImageSaveDestinations().resolve(location);
    if (resolved.ok()) {
        applyStillImageSaveLocation(resolved.value());
        return;
    }
    clearStillImageSaveDestination(location.displayPath,
                                   localizedString("This recent folder no longer exists or is disconnected."));
    setRecentStillImageSaveLocationAvailability(pathKey, false);
}

void AppModel::useDefaultStillImageSaveLocation() {
    const StillImageSaveState& state = stillImageSave_;
    if (!state.isSaveImagesPresented || state.isFolderPickerPresented) return;
    const StillImageSaveDestinations destinations = stillImageSaveDestinations();

    // 1. A remembered Veltrano folder in Pictures keeps its bookmark and history.
    const QString productPath = destinations.picturesProductPath();
    if (const StillImageSaveLocation* recent = recentLocationWithPath(settings_.settings, productPath);
        recent != nullptr && !productPath.isEmpty()) {
        selectRecentStillImageSaveLocation(recent->identity());
        if (stillImageSave_.hasDestination) return;
    }

    // 2. Otherwise a fresh one, created when missing.
    const auto pictures = destinations.picturesFolder();
    if (pictures.ok()) {
        applyStillImageSaveLocation(pictures.value());
        return;
    }
    clearStillImageSaveDestination(pictures.error().picturesPath,
                                   localizedString("The Pictures folder cannot be accessed."));
}

void AppModel::presentStillImageFolderPicker(const QString& startFolder) {
    const StillImageSaveState& state = stillImageSave_;
    if (!state.isSaveImagesPresented || state.isFolderPickerPresented || !onStillImageFolderPickerRequested) return;
    changeStillImageSaveState([](StillImageSaveState& changed) { changed.isFolderPickerPresented = true; });
    QPointer<AppModel> guard(this);
    onStillImageFolderPickerRequested(startFolder, [guard](std::optional<QString> folder) {
        if (guard) guard->handleStillImageFolderPickerResult(folder);
    });
}

void AppModel::handleStillImageFolderPickerResult(const std::optional<QString>& folder) {
    changeStillImageSaveState([](StillImageSaveState& state) { state.isFolderPickerPresented = false; });
    if (!folder || folder->isEmpty()) return;
    const Result<ResolvedStillImageSaveLocation> picked = stillImageSaveDestinations().pickedFolder(*folder);
    if (picked.ok()) {
        applyStillImageSaveLocation(picked.value());
        return;
    }
    clearStillImageSaveDestination(StillImageSaveDestinations::standardized(*folder),
                                   localizedString("This folder cannot be accessed. Choose another save location."));
}

void AppModel::removeRecentStillImageSaveLocation(const QString& pathKey) {
    const StillImageSaveLocation* found = recentLocationWithPath(settings_.settings, pathKey);
    if (found == nullptr) return;
    const QString displayPath = found->displayPath;
    const StillImageSaveState& state = stillImageSave_;
    const bool isCurrent = state.hasDestination && state.destinationDisplayPath == displayPath;

    updateSettings(settings_.settings.removingRecentStillImageSaveLocation(displayPath));
    refreshRecentStillImageSaveLocations();
    if (isCurrent) clearStillImageSaveDestination(QString(), chooseLocationText());
}

}  // namespace vlt
