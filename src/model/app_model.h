#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUuid>

#include "model/animation_video_save_state.h"
#include "model/app_model_flags.h"
#include "model/application_close_intent.h"
#include "model/close_request_decision.h"
#include "model/close_request_state.h"
#include "model/crash_report_state.h"
#include "model/debounced_action.h"
#include "model/feedback_dialog_state.h"
#include "model/editor_state.h"
#include "model/import_flow.h"
#include "model/import_state.h"
#include "model/print_state.h"
#include "model/settings_section.h"
#include "model/settings_state.h"
#include "model/share_payload_deletion.h"
#include "model/share_state.h"
#include "model/shortcuts_state.h"
#include "model/still_image_save_state.h"
#include "model/still_image_save_preparation.h"
#include "model/task_handle.h"
#include "editing/preparation/editing_canvas.h"
#include "editing/session/still_image_render_snapshot.h"
#include "output/share/share_image_payload.h"
#include "foundation/app_language.h"
#include "foundation/application_settings.h"
#include "editing/session/still_image_render_snapshot.h"
#include "foundation/image_import_origin.h"
#include "output/print/print_operation.h"
#include "output/print/print_operation_outcome.h"
#include "base/clock.h"
#include "base/result.h"
#include "output/still/still_image_export_options.h"
#include "output/still/still_image_file_system.h"
#include "output/still/still_image_save_failure.h"
#include "output/still/still_image_save_destinations.h"

namespace vlt {

class AppLanguagePreferenceStoring;
class ApplicationSettingsStoring;
class CropDocument;
class EditorSession;
class FileManager;
class FeedbackIdentityStoring;
class FeedbackSubmitting;
class PrintWindow;
class Scheduler;
class ShareImagePayloadStore;
class SharePicker;
struct SharePickerOutcome;

// Makes the editing canvas from a descriptor. Runs on a worker thread and blocks until
// the canvas is ready, has failed or, stopped, given up; EditingCanvas::prepare in the
// application.
using PrepareEditingCanvas = std::function<Result<SharedEditingCanvas, EditingCanvasPreparationFailure>(
    const EditingCanvasDescriptor&, std::stop_token)>;

// The one application model. It owns every screen's state, every dialog and alert flag,
// the handle of every long-running task and the pending close request; which screen
// is shown follows from its fields alone. It lives on the GUI thread for the life of
// the process and knows no widget.
//
// The model grows by areas. Each area keeps its fields in one value struct with one
// change signal that fires only when a write changed the struct; widgets read the
// struct and call the area's operations, and only the area's own source file
// (app_model_<area>.cpp) writes it. The derived flags are pure functions of the fields
// (AppModelFlags); their signals fire whenever a write changed their value.
//
// An area is: a `<Area>State` struct with `operator==` in its own header, a read-only
// `<area>State()` accessor, one `<area>StateChanged` signal, one private
// `change<Area>State` defined in app_model_<area>.cpp, public operations for what
// widgets may do, and its share of flagInputs().
class AppModel final : public QObject {
    Q_OBJECT

public:
    // The stores and the client are kept for the life of the model. The feedback
    // identity store may be null: the model then uses a random identity for this run.
    AppModel(std::shared_ptr<ApplicationSettingsStoring> settingsStore,
             std::shared_ptr<AppLanguagePreferenceStoring> languagePreferenceStore, AppLanguage activeLanguage,
             std::shared_ptr<FeedbackSubmitting> feedbackClient,
             std::shared_ptr<FeedbackIdentityStoring> feedbackIdentityStore, PrepareEditingCanvas prepareEditingCanvas,
             Scheduler& scheduler, QObject* parent = nullptr);
    ~AppModel() override;

    // Derived flags

    AppModelFlags flagInputs() const;
    bool isPresentingModal() const { return flagInputs().isPresentingModal(); }
    bool isInteractionLocked() const { return flagInputs().isInteractionLocked(); }
    bool canGoToEditor() const { return flagInputs().canGoToEditor(); }

    // The areas, read-only

    const ImportState& importState() const { return import_; }
    const EditorState& editorState() const { return editor_; }
    const CloseRequestState& closeRequestState() const { return closeRequest_; }
    const SettingsState& settingsState() const { return settings_; }
    const ShortcutsState& shortcutsState() const { return shortcuts_; }
    const CrashReportState& crashReportState() const { return crashReport_; }
    const AnimationVideoSaveState& animationVideoSaveState() const { return animationVideoSave_; }
    bool isAnimationVideoSaving() const { return animationVideoSave_.isSaving; }
    const ShareState& shareState() const { return share_; }
    const PrintState& printState() const { return print_; }
    // The Save images dialog, its destination, the save and its cards
    // (app_model_still_images.cpp).
    const StillImageSaveState& stillImageSaveState() const { return stillImageSave_; }

    // Feedback

    // Set exactly while the feedback dialog is open; written only by the feedback
    // operations below.
    const std::optional<FeedbackDialogState>& feedbackState() const { return feedbackState_; }

    // Unobserved storage

    const std::shared_ptr<ApplicationSettingsStoring>& settingsStore() const { return settingsStore_; }
    const std::shared_ptr<AppLanguagePreferenceStoring>& languagePreferenceStore() const {
        return languagePreferenceStore_;
    }
    bool areSettingsDirty() const { return areSettingsDirty_; }
    const std::shared_ptr<FeedbackSubmitting>& feedbackClient() const { return feedbackClient_; }
    const QString& feedbackInstallationID() const { return feedbackInstallationID_; }
    const PrepareEditingCanvas& prepareEditingCanvas() const { return prepareEditingCanvas_; }
    Scheduler& scheduler() const { return scheduler_; }

    TaskHandlePtr stillImageSaveTask;
    TaskHandlePtr animationVideoSaveTask;
    TaskHandlePtr feedbackSubmissionTask;
    // Installed by the root view: the window a print runs over (the active window, else
    // the main window); none without a window.
    std::function<std::shared_ptr<PrintWindow>()> findPrintWindow;
    // Installed by the application delegate: asks the user about unsaved changes.
    std::function<void(ApplicationCloseIntent)> onUnsavedChangesWarningRequested;
    // Installed by the window: shows the open panel for one local image and reports
    // the chosen file, or none when the panel was cancelled.
    std::function<void(std::function<void(std::optional<QUrl>)>)> onOpenImagePanelRequested;
    // Installed by the window: shows the save panel for the video with the proposed
    // file name and reports the chosen path, or none when the panel was cancelled.
    std::function<void(const QString& proposedName, std::function<void(std::optional<QString>)>)>
        onAnimationVideoSavePanelRequested;
    // Shows saved files; none leaves "Open containing folder" with only its message.
    std::shared_ptr<FileManager> fileManager;
    // Installed by the window: shows the folder picker of the Save images dialog,
    // starting in the given folder (none: the picker's own choice), and reports the
    // chosen folder, or none when the picker was cancelled.
    std::function<void(const QString& startFolder, std::function<void(std::optional<QString>)>)>
        onStillImageFolderPickerRequested;
    // Where Pictures is and whether a folder takes new files; tests put their own in.
    StillImageFolderEnvironment stillImageFolders = StillImageFolderEnvironment::system();
    // The file operations of still-image saves; tests make them fail.
    StillImageFileSystem* stillImageFileSystem = &systemStillImageFileSystem();
    // The monotonic clock of elapsed times; tests put a manual one in its place.
    const Clock* uptimeClock = &SystemClock::shared();
    // Reads and previews an opened photograph; tests put a fake in its place.
    LoadImportedImage loadImportedImage = &ImportedImage::load;
    // Where the decoding, the editing canvas preparation and the share's file work
    // run, off the GUI thread.
    BackgroundRunner runInBackground = threadPoolBackgroundRunner();
    // Where shared files are written; one for the life of the model.
    std::shared_ptr<const ShareImagePayloadStore> shareImagePayloadStore;
    // Installed by the window: offers a prepared file to the desktop's sharing
    // services. Without one a share ends as cancelled.
    std::shared_ptr<SharePicker> sharePicker;

    // Shortcuts (app_model_shortcuts.cpp)

    // Opens the Shortcuts dialog unless interaction is locked, dropping an unfinished
    // editor gesture first.
    void presentShortcuts();
    void closeShortcuts();

    // Crash reports (app_model_crash_reports.cpp)

    // The crash report's question or one of its notices opened or closed over the
    // window; while one is up the model counts as presenting.
    void setCrashReportAlertPresented(bool presented);

    // Close, quit and restart (app_model_close.cpp)

    // The one entry for closing the window, quitting and both restarts.
    CloseRequestDecision requestClose(ApplicationCloseIntent intent, std::function<void(bool allowed)> completion);
    // Ends the pending request with a decision; nothing happens without one.
    void completePendingCloseRequest(bool allowed);

    // Settings (app_model_settings.cpp)

    void presentSettings(SettingsSection section);
    // Moves the open settings dialog to another section; nothing while it is closed.
    void selectSettingsSection(SettingsSection section);
    void closeSettings();
    // Applies a complete settings record at once and writes it 0.5 s after the last change.
    void updateSettings(const ApplicationSettings& settings);
    // Writes at once when something is unwritten. False when the write failed; the
    // values stay in force and the message is shown in the settings dialog.
    bool saveSettingsNow();
    bool hasPendingSettingsSave() const { return settingsSave_.isPending(); }
    void cancelPendingSettingsSave() { settingsSave_.cancel(); }
    // The language for the next launch, as chosen in the settings dialog; an earlier
    // restart failure no longer applies.
    void selectLanguage(AppLanguage language);
    // True when the relaunch for the selected language may proceed.
    bool beginLanguageRestart();
    // The relaunch was called off (the user kept the window open): the language may be
    // chosen again.
    void languageRestartDidCancel();
    // A relaunch for the new language could not be started.
    void languageRestartDidFail();
    // The application is about to end: the delayed write happens now.
    void applicationWillTerminate();

    // Import (app_model_import.cpp). Each way of opening an image asks first while the
    // editor holds unsaved changes, as closing does.

    void openImagePicker();
    // Files handed over by the system; true when one of them was taken (it is being
    // imported, or waits for the unsaved-changes answer, which may drop it), false
    // when the caller should keep the list for a later attempt. While the question
    // about opening another image is up, the file takes the place of the image that
    // waits for the answer: one question, and the newest choice wins.
    bool openFileURLs(const QList<QUrl>& urls);
    // A drop on the start page; false when it was ignored, true when it was taken
    // or refused with a message.
    bool handleDroppedItems(const QList<QUrl>& urls);
    // A drop the start page refused before it reached the model, with its message.
    void refuseDrop(const QString& message);
    void importImage(const QUrl& url, ImageImportOrigin origin);
    // Closes the replacement import alert and opens the picker again.
    void dismissReplacementImportError();
    // Closes the replacement import alert.
    void closeReplacementImportError();
    // Stops every task the model owns; output tasks clean up in the background.
    void cancelAllOperations();

    // Editor (app_model_editor.cpp)

    void goToEditor();
    void closeEditorPreparationError();
    // The editor cannot draw: the graphics failure card replaces everything else.
    void reportGraphicsFailure();
    void closeGraphicsFailure();

    // Outputs in flight (app_model_output_tasks.cpp)

    // The output tasks that write files and must clean up before the process ends.
    std::vector<TaskHandlePtr> runningOutputTasks() const;
    // Cancels every operation, then calls `done` once every output task has cleaned
    // up (or the time limit passed): at once when none runs.
    void finishOutputTasksBeforeTermination(std::function<void()> done);

    // Still images (app_model_still_images.cpp)

    // The Output menu's "Save images…": asks the editor to commit its work, then opens
    // the dialog when there is something to save.
    void requestSaveImages();
    // The unsaved-changes question's save choice: ends the pending close request, then
    // opens the dialog while the editor it asked about still has changes.
    void presentSaveImages();
    // Close button, Cancel and Escape; nothing while the folder picker is open.
    void dismissSaveImages();
    // The dialog's Save: checks the names and the destination again, closes the dialog
    // and starts the save. Nothing happens while the inputs do not pass.
    void saveStillImages(const QString& baseName, const QString& subfolder, const StillImageExportOptions& options);
    // The saving card's Cancel; the save reports its own end.
    void cancelStillImageSave();
    // The saved card's "Open containing folder" and Close, and the error card's Close.
    void revealSavedStillImages();
    void closeSavedStillImages();
    void closeStillImageSaveError();

    // Destinations (app_model_still_images.cpp). A recent folder is named by its
    // display path, compared exactly.

    // Rebuilds the destination from the settings: the last folder used, when it still
    // resolves. Runs before the dialog opens.
    void refreshStillImageSaveDestination();
    // Resolves every recent folder again and records which are available.
    void refreshRecentStillImageSaveLocations();
    void selectRecentStillImageSaveLocation(const QString& pathKey);
    // The Veltrano folder inside Pictures.
    void useDefaultStillImageSaveLocation();
    // Opens the folder picker in the given folder (empty: the picker's choice).
    void presentStillImageFolderPicker(const QString& startFolder);
    void removeRecentStillImageSaveLocation(const QString& pathKey);

    // Animation video (app_model_video.cpp)

    // Asks the editor to commit its work, then shows the save panel when there is an
    // animation to save.
    void requestAnimationVideoSave();
    // The saving card's Cancel; only the first press while saving counts.
    void cancelAnimationVideoSave();
    // The saved card's "Open containing folder".
    void revealSavedAnimationVideo();
    // The Close of the saved card and of the error card.
    void closeSavedAnimationVideo();
    void closeAnimationVideoSaveError();

    // Share (app_model_share.cpp)

    // The Share command: the editor commits its work, then the share dialog opens.
    void requestShareImage();
    // The sweep of shared files that earlier runs left behind; one at a time.
    void cleanUpStaleSharePayloads();
    // The dialog's close, Cancel and Escape: while an image is prepared the dialog
    // stays and the preparation is cancelled.
    void dismissShareDialog();
    // The dialog's "Edit ›" links: the dialog makes way for the settings and comes
    // back with these choices when they close.
    void openSettingsFromShareDialog(SettingsSection section, const ShareImageDialogState& choices);
    // The dialog's Continue: prepares the JPEG and hands it to the picker.
    void startSharePreparation(const ShareImageDialogState& choices);
    void closeShareImageError();

    // Print (app_model_print.cpp)

    // The Print command: the editor commits its work and gives its picture, then the
    // preview opens over the window. The outcome is logged; a failure shows its card.
    void startPrinting();
    // Closes the print failure card.
    void closePrintError();
    // The print whose preview or dialog is up; none while a print is prepared.
    const PrintOperation* printOperationCoordinator() const { return printOperationCoordinator_.get(); }

    // Feedback (app_model_feedback.cpp)

    // Opens the feedback dialog unless interaction is locked, dropping an unfinished
    // editor gesture first; the name starts as the settings' contact name.
    void presentFeedback();
    // Closes the dialog, unless a submission is running.
    void dismissFeedback();
    // The dialog's texts as the user edits them.
    void editFeedbackDraft(const FeedbackDraft& draft);
    // The dialog's Send: validates the trimmed texts and, when they pass, sends them.
    // The outcome arrives later in feedbackState(); one submission at a time.
    void submitFeedback();

signals:
    void isPresentingModalChanged();
    void isInteractionLockedChanged();
    void canGoToEditorChanged();

    void importStateChanged();
    void editorStateChanged();
    void closeRequestStateChanged();
    void settingsStateChanged();
    void shortcutsStateChanged();
    void crashReportStateChanged();
    void animationVideoSaveStateChanged();
    void shareStateChanged();
    void printStateChanged();

    void feedbackStateChanged();
    void stillImageSaveStateChanged();

private:
    // The flows are the import and editor areas' long-running work.
    friend class ImportFlow;
    friend class EditorPreparationFlow;
    // Lets tests put an area in a state that would otherwise take a whole road to reach.
    friend class AppModelTestAccess;

    // Each area's one setter, defined in the area's own source file. The edit runs on
    // a copy; the area's signal and the derived flags follow only when the copy differs.
    void changeImportState(const std::function<void(ImportState&)>& edit);
    void changeEditorState(const std::function<void(EditorState&)>& edit);
    void changeCloseRequestState(const std::function<void(CloseRequestState&)>& edit);
    void changeSettingsState(const std::function<void(SettingsState&)>& edit);
    void changeShortcutsState(const std::function<void(ShortcutsState&)>& edit);
    void changeCrashReportState(const std::function<void(CrashReportState&)>& edit);
    void changeAnimationVideoSaveState(const std::function<void(AnimationVideoSaveState&)>& edit);
    void changeShareState(const std::function<void(ShareState&)>& edit);
    void changePrintState(const std::function<void(PrintState&)>& edit);
    void changeStillImageSaveState(const std::function<void(StillImageSaveState&)>& edit);
    template <typename State>
    void changeArea(State& state, const std::function<void(State&)>& edit, void (AppModel::*changed)()) {
        State next = state;
        edit(next);
        if (next == state) return;
        state = std::move(next);
        emit(this->*changed)();
        refreshDerivedFlags();
    }

    template <typename T>
    void assign(T& field, T value, void (AppModel::*changed)());
    template <typename T>
    void assignAlways(T& field, T value, void (AppModel::*changed)());
    void refreshDerivedFlags();

    void closePreparationDidFinish(const std::shared_ptr<EditorSession>& session, bool hasChanges);
    // An image to open once the unsaved-changes question allows it; a newer hand-over
    // takes its place while the question is up.
    struct WaitingOpen {
        ImageImportOrigin origin;
        std::function<void()> open;
    };
    // Runs `open` once the editor's work may go: at once without an editor, after the
    // editor committed its work when nothing is unsaved, after "Open Anyway" otherwise;
    // never after Cancel or "Save Image".
    void askBeforeReplacingEditor(ImageImportOrigin origin, std::function<void()> open);
    // The open panel, once the question (if any) is answered.
    void presentOpenImagePanel();
    bool mayOpenImagePicker() const;

    // The editor session's side of the model's operations (app_model_editor.cpp).
    void cancelEditorGesture();
    // The annotation text sheet is open.
    bool isEditorTextEntryOpen() const;
    void carryComparisonLabelsIntoEditor();
    // Asks the editor to commit pending work; the completion gets whether the history
    // holds a change a reset would undo (at once when nothing is busy).
    static void prepareEditorStateForClose(EditorSession& session, std::function<void(bool hasChanges)> completion);
    static bool isAheadOfLastImageSave(const EditorSession& session);
    void loadFeedbackIdentity(const std::shared_ptr<FeedbackIdentityStoring>& store);
    void setFeedbackState(std::optional<FeedbackDialogState> state);
    void feedbackSubmissionDidEnd(std::uint64_t opening, const QUuid& operationID, double startSeconds,
                                  const TaskHandlePtr& task, VoidResult outcome);
    void applyFeedbackAccepted(std::uint64_t opening, const QUuid& operationID, double startSeconds);
    void applyFeedbackFailure(std::uint64_t opening, const QUuid& operationID, double startSeconds,
                              const ErrorPtr& error);
    void loadSettings();

    // The video save's steps (app_model_video.cpp).
    void completeAnimationVideoSaveRequest(const std::shared_ptr<EditorSession>& session, bool hasEdits);
    void presentAnimationVideoSavePanel(const std::shared_ptr<EditorSession>& session);
    void handleAnimationVideoSavePanelResult(const std::optional<QString>& path,
                                             const std::shared_ptr<EditorSession>& session,
                                             const AnimationVideoSaveOperation& operation);
    void startAnimationVideoSave(const QString& path, const std::shared_ptr<EditorSession>& session,
                                 const AnimationVideoSaveOperation& operation);
    void updateAnimationVideoSaveProgress(double percent);
    void completeAnimationVideoSave(const AnimationVideoSaveResult& result,
                                    const std::shared_ptr<EditorSession>& session,
                                    const AnimationVideoSaveOperation& operation);
    void failAnimationVideoSave(const ErrorPtr& error, bool taskCancelled,
                                const AnimationVideoSaveOperation& operation);
    void finishAnimationVideoSave(AnimationVideoSaveState& state);
    // One print as its events name and time it.
    struct PrintRun {
        QUuid id;
        double startUptime = 0.0;
    };
    // The print's steps go on only while it is the print under way (app_model_print.cpp).
    bool isActivePrint(const PrintRun& run) const;
    // False, and the print ended as cancelled, when the editor is gone or replaced.
    bool printCanGoOn(const std::weak_ptr<EditorSession>& session, const PrintRun& run);
    void printPreparationDidFinish(const std::weak_ptr<EditorSession>& session,
                                   const std::shared_ptr<PrintWindow>& window, const PrintRun& run);
    void printSnapshotDidArrive(Result<StillImageRenderSnapshot> snapshot, const std::weak_ptr<EditorSession>& session,
                                const std::shared_ptr<PrintWindow>& window, const PrintRun& run);
    void completePrinting(PrintOperationOutcome outcome, const PrintRun& run);
    // Ends a print that has not reached its preview yet.
    void cancelPrintPreparation();

    // The share's steps (app_model_share.cpp).
    struct ShareOperation {
        QUuid id;
        double startedAt = 0.0;
    };
    void completeShareImageRequest(const std::shared_ptr<EditorSession>& session);
    void restoreShareDialogAfterSettings();
    void composeShareImage(Result<StillImageRenderSnapshot> snapshot, const std::shared_ptr<EditorSession>& session,
                           const ShareImageDialogState& choices, const ShareOperation& operation,
                           const TaskHandlePtr& task);
    void presentSharePicker(Result<ShareImagePayload> payload, const std::shared_ptr<EditorSession>& session,
                            const ShareOperation& operation, const TaskHandlePtr& task);
    void failSharePreparation(const ErrorPtr& error, const std::optional<ShareImagePayload>& payload,
                              const ShareOperation& operation, const TaskHandlePtr& task);
    void handleSharePickerOutcome(const SharePickerOutcome& outcome, const ShareImagePayload& payload,
                                  const ShareOperation& operation);
    void scheduleSharePayloadDeletion(const ShareImagePayload& payload, std::optional<double> delaySeconds,
                                      bool reportsFailure);
    void startSharePayloadDeletion(const QUuid& key, const ShareImagePayload& payload, bool reportsFailure);
    void endSharePayloadDeletion(const QUuid& key, bool removed, bool reportsFailure);

    // The still-image save's steps and destinations (app_model_still_images.cpp).
    void completeSaveImagesRequest(const std::shared_ptr<EditorSession>& session, bool hasEdits);
    bool mayPresentSaveImages() const;
    void closeSaveImagesOfReplacedEditor();
    void prepareStillImageSave(const std::shared_ptr<EditorSession>& session);
    void startStillImageSave(const ResolvedStillImageSaveLocation& destination, const QString& baseName,
                             const QString& subfolder, const StillImageExportOptions& options);
    void completeStillImageSave(const StillImageSaveResult& result, const std::shared_ptr<EditorSession>& session,
                                const ResolvedStillImageSaveLocation& destination, const QString& subfolder,
                                std::int64_t revision, const StillImageSaveOperation& operation);
    void failStillImageSave(const StillImageSaveFailure& failure, bool taskCancelled,
                            const StillImageSaveOperation& operation);
    void applyStillImageSaveLocation(const ResolvedStillImageSaveLocation& location);
    void clearStillImageSaveDestination(const QString& displayPath, const QString& message);
    void setRecentStillImageSaveLocationAvailability(const QString& pathKey, bool isAvailable);
    void handleStillImageFolderPickerResult(const std::optional<QString>& folder);
    StillImageSaveDestinations stillImageSaveDestinations() const {
        return StillImageSaveDestinations(stillImageFolders);
    }

    // The areas.
    ImportState import_;
    EditorState editor_;
    CloseRequestState closeRequest_;
    SettingsState settings_;
    ShortcutsState shortcuts_;
    CrashReportState crashReport_;
    AnimationVideoSaveState animationVideoSave_;
    ShareState share_;
    PrintState print_;
    StillImageSaveState stillImageSave_;
    StillImageSavePreparation stillImageSavePreparation_;

    // The output areas' fields, in the order of their accessors above.
    std::optional<FeedbackDialogState> feedbackState_;

    // Unobserved storage.
    std::shared_ptr<ApplicationSettingsStoring> settingsStore_;
    std::shared_ptr<AppLanguagePreferenceStoring> languagePreferenceStore_;
    std::shared_ptr<FeedbackSubmitting> feedbackClient_;
    QString feedbackInstallationID_;
    std::uint64_t feedbackOpenings_ = 0;
    PrepareEditingCanvas prepareEditingCanvas_;
    Scheduler& scheduler_;
    bool areSettingsDirty_ = false;
    DebouncedAction settingsSave_;
    std::function<void(bool)> pendingCloseRequestCompletion_;
    std::weak_ptr<EditorSession> closePreparationSession_;
    // What the pending question about opening another image would open.
    std::shared_ptr<WaitingOpen> waitingOpen_;
    // The share area's work in flight: removals of shared files under their own keys,
    // and the sweep of earlier runs' files.
    std::map<QUuid, SharePayloadDeletion> sharePayloadDeletions_;
    TaskHandlePtr staleSharePayloadCleanupTask_;
    std::optional<PrintRun> activePrint_;
    std::unique_ptr<PrintOperation> printOperationCoordinator_;

    // Last values of the derived flags, so their signals fire only on a change.
    bool lastIsPresentingModal_ = false;
    bool lastIsInteractionLocked_ = false;
    bool lastCanGoToEditor_ = false;
};

}  // namespace vlt
