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

#include "app/model/animation_video_save_result.h"
#include "app/model/app_model_flags.h"
#include "app/model/application_close_intent.h"
#include "app/model/close_request_decision.h"
#include "app/model/debounced_action.h"
#include "app/model/feedback_dialog_state.h"
#include "app/model/import_flow.h"
#include "app/model/settings_section.h"
#include "app/model/share_image_dialog_state.h"
#include "app/model/still_image_recent_location_state.h"
#include "app/model/still_image_save_result.h"
#include "app/model/task_handle.h"
#include "editing/preparation/editing_canvas.h"
#include "foundation/app_language.h"
#include "foundation/application_settings.h"
#include "foundation/image_import_origin.h"
#include "base/clock.h"
#include "base/result.h"

namespace vlt {

class AppLanguagePreferenceStoring;
class ApplicationSettingsStoring;
class CropDocument;
class EditorSession;
class FeedbackIdentityStoring;
class FeedbackSubmitting;
class Scheduler;

// Makes the editing canvas from a descriptor. Runs on a worker thread and blocks until
// the canvas is ready or has failed; EditingCanvas::prepare in the application.
using PrepareEditingCanvas =
    std::function<Result<SharedEditingCanvas, EditingCanvasPreparationFailure>(const EditingCanvasDescriptor&)>;

// The one application model. It owns every screen's state, every dialog and alert flag,
// the handle of every long-running task and the pending close request; which screen
// is shown follows from its fields alone. It lives on the GUI thread for the life of
// the process and knows no widget.
//
// Every field has a change signal that fires only when the value changed; the fields
// holding objects (document, editorSession) signal on every write. The
// derived flags are pure functions of the fields (AppModelFlags); their signals fire
// whenever a write changed their value.
//
// The operations of each area live in their own source file (app_model_close.cpp,
// app_model_settings.cpp, app_model_import.cpp, app_model_still_images.cpp, …).
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

    // Document and editor

    const std::shared_ptr<CropDocument>& document() const { return document_; }
    void setDocument(std::shared_ptr<CropDocument> document);
    const std::shared_ptr<EditorSession>& editorSession() const { return editorSession_; }
    void setEditorSession(std::shared_ptr<EditorSession> session);

    // Settings and language

    const ApplicationSettings& settings() const { return settings_; }
    AppLanguage activeLanguage() const { return activeLanguage_; }
    AppLanguage selectedLanguage() const { return selectedLanguage_; }
    void setSelectedLanguage(AppLanguage language);
    bool isLanguageRestartInProgress() const { return isLanguageRestartInProgress_; }
    void setIsLanguageRestartInProgress(bool value);
    const std::optional<QString>& languageRestartError() const { return languageRestartError_; }
    void setLanguageRestartError(std::optional<QString> value);

    // Import, crop and editor preparation

    bool isImporting() const { return isImporting_; }
    void setIsImporting(bool value);
    bool isReplacingCropImage() const { return isReplacingCropImage_; }
    void setIsReplacingCropImage(bool value);
    std::int64_t cropReplacementMotionGeneration() const { return cropReplacementMotionGeneration_; }
    void setCropReplacementMotionGeneration(std::int64_t value);
    bool isPreparingEditor() const { return isPreparingEditor_; }
    void setIsPreparingEditor(bool value);
    const std::optional<QString>& inlineImportError() const { return inlineImportError_; }
    void setInlineImportError(std::optional<QString> value);

    // Dialogs

    bool isShortcutsPresented() const { return isShortcutsPresented_; }
    void setIsShortcutsPresented(bool value);
    // Set exactly while the feedback dialog is open; written only by the feedback
    // operations below.
    const std::optional<FeedbackDialogState>& feedbackState() const { return feedbackState_; }
    const std::optional<SettingsSection>& activeSettingsSection() const { return activeSettingsSection_; }
    void setActiveSettingsSection(std::optional<SettingsSection> value);
    const std::optional<QString>& settingsPersistenceError() const { return settingsPersistenceError_; }
    void setSettingsPersistenceError(std::optional<QString> value);

    // Still-image output

    bool isSaveImagesPresented() const { return isSaveImagesPresented_; }
    void setIsSaveImagesPresented(bool value);
    bool isStillImageSaving() const { return isStillImageSaving_; }
    void setIsStillImageSaving(bool value);
    const std::optional<StillImageSaveResult>& savedStillImages() const { return savedStillImages_; }
    void setSavedStillImages(std::optional<StillImageSaveResult> value);
    const std::optional<QString>& savedStillImagesFolderError() const { return savedStillImagesFolderError_; }
    void setSavedStillImagesFolderError(std::optional<QString> value);
    const std::optional<QString>& stillImageSaveErrorTitle() const { return stillImageSaveErrorTitle_; }
    void setStillImageSaveErrorTitle(std::optional<QString> value);
    const std::optional<QString>& stillImageSaveErrorMessage() const { return stillImageSaveErrorMessage_; }
    void setStillImageSaveErrorMessage(std::optional<QString> value);
    const QString& stillImageSaveDestinationDisplayPath() const { return stillImageSaveDestinationDisplayPath_; }
    void setStillImageSaveDestinationDisplayPath(QString value);
    const std::optional<QString>& stillImageSaveDestinationError() const { return stillImageSaveDestinationError_; }
    void setStillImageSaveDestinationError(std::optional<QString> value);
    bool hasStillImageSaveDestination() const { return hasStillImageSaveDestination_; }
    void setHasStillImageSaveDestination(bool value);
    const std::vector<StillImageRecentLocationState>& recentStillImageSaveLocations() const {
        return recentStillImageSaveLocations_;
    }
    void setRecentStillImageSaveLocations(std::vector<StillImageRecentLocationState> value);

    // Share

    bool isShareImageOpening() const { return isShareImageOpening_; }
    void setIsShareImageOpening(bool value);
    const std::optional<ShareImageDialogState>& shareImageState() const { return shareImageState_; }
    void setShareImageState(std::optional<ShareImageDialogState> value);
    bool isShareImagePreparing() const { return isShareImagePreparing_; }
    void setIsShareImagePreparing(bool value);
    bool isNativeShareServiceActive() const { return isNativeShareServiceActive_; }
    void setIsNativeShareServiceActive(bool value);
    const std::optional<QString>& shareImageErrorTitle() const { return shareImageErrorTitle_; }
    void setShareImageErrorTitle(std::optional<QString> value);
    const std::optional<QString>& shareImageErrorMessage() const { return shareImageErrorMessage_; }
    void setShareImageErrorMessage(std::optional<QString> value);

    // Animation video

    bool isAnimationVideoSaving() const { return isAnimationVideoSaving_; }
    void setIsAnimationVideoSaving(bool value);
    bool isAnimationVideoCancelling() const { return isAnimationVideoCancelling_; }
    void setIsAnimationVideoCancelling(bool value);
    double animationVideoSaveProgress() const { return animationVideoSaveProgress_; }
    void setAnimationVideoSaveProgress(double value);
    const std::optional<AnimationVideoSaveResult>& savedAnimationVideo() const { return savedAnimationVideo_; }
    void setSavedAnimationVideo(std::optional<AnimationVideoSaveResult> value);
    const std::optional<QString>& savedAnimationVideoFolderError() const { return savedAnimationVideoFolderError_; }
    void setSavedAnimationVideoFolderError(std::optional<QString> value);
    const std::optional<QString>& animationVideoSaveErrorTitle() const { return animationVideoSaveErrorTitle_; }
    void setAnimationVideoSaveErrorTitle(std::optional<QString> value);
    const std::optional<QString>& animationVideoSaveErrorMessage() const { return animationVideoSaveErrorMessage_; }
    void setAnimationVideoSaveErrorMessage(std::optional<QString> value);

    // Printing

    bool isPrinting() const { return isPrinting_; }
    void setIsPrinting(bool value);
    const std::optional<QString>& printErrorMessage() const { return printErrorMessage_; }
    void setPrintErrorMessage(std::optional<QString> value);
    bool showsPrintError() const { return showsPrintError_; }
    void setShowsPrintError(bool value);

    // Failures shown over any screen

    const std::optional<QString>& replacementImportError() const { return replacementImportError_; }
    void setReplacementImportError(std::optional<QString> value);
    bool showsReplacementImportError() const { return showsReplacementImportError_; }
    void setShowsReplacementImportError(bool value);
    const std::optional<QString>& editorPreparationError() const { return editorPreparationError_; }
    void setEditorPreparationError(std::optional<QString> value);
    bool showsEditorPreparationError() const { return showsEditorPreparationError_; }
    void setShowsEditorPreparationError(bool value);
    bool showsGraphicsFailure() const { return showsGraphicsFailure_; }
    void setShowsGraphicsFailure(bool value);

    // Close request (written only by the close operations)

    bool isCloseRequestPending() const { return isCloseRequestPending_; }
    bool isClosePreparationPending() const { return isClosePreparationPending_; }
    const std::optional<ApplicationCloseIntent>& pendingCloseIntent() const { return pendingCloseIntent_; }

    // Tasks, generations and pickers

    const TaskHandlePtr& importTask() const { return importTask_; }
    void setImportTask(TaskHandlePtr task);
    const TaskHandlePtr& editorPreparationTask() const { return editorPreparationTask_; }
    void setEditorPreparationTask(TaskHandlePtr task);
    std::int64_t importGeneration() const { return importGeneration_; }
    void setImportGeneration(std::int64_t value);
    std::int64_t editorPreparationGeneration() const { return editorPreparationGeneration_; }
    void setEditorPreparationGeneration(std::int64_t value);
    bool isImagePickerPresented() const { return isImagePickerPresented_; }
    void setIsImagePickerPresented(bool value);
    bool isStillImageFolderPickerPresented() const { return isStillImageFolderPickerPresented_; }
    void setIsStillImageFolderPickerPresented(bool value);
    bool isAnimationVideoSavePanelPresented() const { return isAnimationVideoSavePanelPresented_; }
    void setIsAnimationVideoSavePanelPresented(bool value);

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
    TaskHandlePtr staleSharePayloadCleanupTask;
    TaskHandlePtr shareImagePreparationTask;
    std::optional<ShareImageDialogState> shareImageStateAfterSettings;
    std::optional<QUuid> activeShareOperationID;
    std::map<QUuid, TaskHandlePtr> sharePayloadDeletionTasks;
    TaskHandlePtr animationVideoSaveTask;
    TaskHandlePtr feedbackSubmissionTask;
    // Installed by the application delegate: asks the user about unsaved changes.
    std::function<void(ApplicationCloseIntent)> onUnsavedChangesWarningRequested;
    // Installed by the window: shows the open panel for one local image and reports
    // the chosen file, or none when the panel was cancelled.
    std::function<void(std::function<void(std::optional<QUrl>)>)> onOpenImagePanelRequested;
    // The monotonic clock of elapsed times; tests put a manual one in its place.
    const Clock* uptimeClock = &SystemClock::shared();
    // Reads and previews an opened photograph; tests put a fake in its place.
    LoadImportedImage loadImportedImage = &ImportedImage::load;
    // Where the decoding and the editing canvas preparation run, off the GUI thread.
    BackgroundRunner runInBackground = threadPoolBackgroundRunner();

    // Shortcuts (this file)

    // Opens the Shortcuts dialog unless interaction is locked, dropping an unfinished
    // editor gesture first.
    void presentShortcuts();

    // Close, quit and restart (app_model_close.cpp)

    // The one entry for closing the window, quitting and both restarts.
    CloseRequestDecision requestClose(ApplicationCloseIntent intent, std::function<void(bool allowed)> completion);
    // Ends the pending request with a decision; nothing happens without one.
    void completePendingCloseRequest(bool allowed);
    // A relaunch for the new language could not be started.
    void languageRestartDidFail();

    // Settings (app_model_settings.cpp)

    void presentSettings(SettingsSection section);
    void closeSettings();
    // Applies a complete settings record at once and writes it 0.5 s after the last change.
    void updateSettings(const ApplicationSettings& settings);
    // Writes at once when something is unwritten. False when the write failed; the
    // values stay in force and the message is shown in the settings dialog.
    bool saveSettingsNow();
    bool hasPendingSettingsSave() const { return settingsSave_.isPending(); }
    void cancelPendingSettingsSave() { settingsSave_.cancel(); }
    // True when the relaunch for the selected language may proceed.
    bool beginLanguageRestart();
    // The application is about to end: the delayed write happens now.
    void applicationWillTerminate();

    // Import and editor preparation (app_model_import.cpp)

    void openImagePicker();
    // Files handed over by the system; true when one of them is being imported, false
    // when the caller should keep the list for a later attempt.
    bool openFileURLs(const QList<QUrl>& urls);
    // A drop on the start page; false when it was ignored, true when it was imported
    // or refused with a message.
    bool handleDroppedItems(const QList<QUrl>& urls);
    void importImage(const QUrl& url, ImageImportOrigin origin);
    void dismissReplacementImportError();
    void goToEditor();
    // Stops every task the model owns; output tasks clean up in the background.
    void cancelAllOperations();

    // Outputs in flight (app_model_output_tasks.cpp)

    // The output tasks that write files and must clean up before the process ends.
    std::vector<TaskHandlePtr> runningOutputTasks() const;
    // Cancels every operation, then calls `done` once every output task has cleaned
    // up (or the time limit passed): at once when none runs.
    void finishOutputTasksBeforeTermination(std::function<void()> done);

    // Still images (app_model_still_images.cpp)

    void requestSaveImages();
    // Ends a pending close request with false, then opens the Save images dialog.
    void presentSaveImages();

    // Video, share and print (app_model_video.cpp, app_model_share.cpp, app_model_print.cpp)

    void requestAnimationVideoSave();
    void requestShareImage();
    void cleanUpStaleSharePayloads();
    void startPrinting();

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

    void documentChanged();
    void editorSessionChanged();
    void settingsChanged();
    void selectedLanguageChanged();
    void isLanguageRestartInProgressChanged();
    void languageRestartErrorChanged();
    void isImportingChanged();
    void isReplacingCropImageChanged();
    void cropReplacementMotionGenerationChanged();
    void isPreparingEditorChanged();
    void inlineImportErrorChanged();
    void isShortcutsPresentedChanged();
    void feedbackStateChanged();
    void activeSettingsSectionChanged();
    void settingsPersistenceErrorChanged();
    void isSaveImagesPresentedChanged();
    void isStillImageSavingChanged();
    void savedStillImagesChanged();
    void savedStillImagesFolderErrorChanged();
    void stillImageSaveErrorTitleChanged();
    void stillImageSaveErrorMessageChanged();
    void stillImageSaveDestinationDisplayPathChanged();
    void stillImageSaveDestinationErrorChanged();
    void hasStillImageSaveDestinationChanged();
    void recentStillImageSaveLocationsChanged();
    void isShareImageOpeningChanged();
    void shareImageStateChanged();
    void isShareImagePreparingChanged();
    void isNativeShareServiceActiveChanged();
    void shareImageErrorTitleChanged();
    void shareImageErrorMessageChanged();
    void isAnimationVideoSavingChanged();
    void isAnimationVideoCancellingChanged();
    void animationVideoSaveProgressChanged();
    void savedAnimationVideoChanged();
    void savedAnimationVideoFolderErrorChanged();
    void animationVideoSaveErrorTitleChanged();
    void animationVideoSaveErrorMessageChanged();
    void isPrintingChanged();
    void printErrorMessageChanged();
    void showsPrintErrorChanged();
    void replacementImportErrorChanged();
    void showsReplacementImportErrorChanged();
    void editorPreparationErrorChanged();
    void showsEditorPreparationErrorChanged();
    void showsGraphicsFailureChanged();
    void isCloseRequestPendingChanged();
    void isClosePreparationPendingChanged();
    void pendingCloseIntentChanged();
    void importTaskChanged();
    void editorPreparationTaskChanged();
    void importGenerationChanged();
    void editorPreparationGenerationChanged();
    void isImagePickerPresentedChanged();
    void isStillImageFolderPickerPresentedChanged();
    void isAnimationVideoSavePanelPresentedChanged();

private:
    template <typename T>
    void assign(T& field, T value, void (AppModel::*changed)());
    template <typename T>
    void assignAlways(T& field, T value, void (AppModel::*changed)());
    void refreshDerivedFlags();

    void setSettings(ApplicationSettings settings);
    void setIsCloseRequestPending(bool value);
    void setIsClosePreparationPending(bool value);
    void setPendingCloseIntent(std::optional<ApplicationCloseIntent> value);
    void closePreparationDidFinish(const std::shared_ptr<EditorSession>& session, bool hasChanges);

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

    // Observed fields, in the order of their accessors above.
    std::shared_ptr<CropDocument> document_;
    std::shared_ptr<EditorSession> editorSession_;
    ApplicationSettings settings_;
    AppLanguage activeLanguage_;
    AppLanguage selectedLanguage_;
    bool isLanguageRestartInProgress_ = false;
    std::optional<QString> languageRestartError_;
    bool isImporting_ = false;
    bool isReplacingCropImage_ = false;
    std::int64_t cropReplacementMotionGeneration_ = 0;
    bool isPreparingEditor_ = false;
    std::optional<QString> inlineImportError_;
    bool isShortcutsPresented_ = false;
    std::optional<FeedbackDialogState> feedbackState_;
    std::optional<SettingsSection> activeSettingsSection_;
    std::optional<QString> settingsPersistenceError_;
    bool isSaveImagesPresented_ = false;
    bool isStillImageSaving_ = false;
    std::optional<StillImageSaveResult> savedStillImages_;
    std::optional<QString> savedStillImagesFolderError_;
    std::optional<QString> stillImageSaveErrorTitle_;
    std::optional<QString> stillImageSaveErrorMessage_;
    QString stillImageSaveDestinationDisplayPath_;
    std::optional<QString> stillImageSaveDestinationError_;
    bool hasStillImageSaveDestination_ = false;
    std::vector<StillImageRecentLocationState> recentStillImageSaveLocations_;
    bool isShareImageOpening_ = false;
    std::optional<ShareImageDialogState> shareImageState_;
    bool isShareImagePreparing_ = false;
    bool isNativeShareServiceActive_ = false;
    std::optional<QString> shareImageErrorTitle_;
    std::optional<QString> shareImageErrorMessage_;
    bool isAnimationVideoSaving_ = false;
    bool isAnimationVideoCancelling_ = false;
    double animationVideoSaveProgress_ = 0.0;
    std::optional<AnimationVideoSaveResult> savedAnimationVideo_;
    std::optional<QString> savedAnimationVideoFolderError_;
    std::optional<QString> animationVideoSaveErrorTitle_;
    std::optional<QString> animationVideoSaveErrorMessage_;
    bool isPrinting_ = false;
    std::optional<QString> printErrorMessage_;
    bool showsPrintError_ = false;
    std::optional<QString> replacementImportError_;
    bool showsReplacementImportError_ = false;
    std::optional<QString> editorPreparationError_;
    bool showsEditorPreparationError_ = false;
    bool showsGraphicsFailure_ = false;
    bool isCloseRequestPending_ = false;
    bool isClosePreparationPending_ = false;
    std::optional<ApplicationCloseIntent> pendingCloseIntent_;
    TaskHandlePtr importTask_;
    TaskHandlePtr editorPreparationTask_;
    std::int64_t importGeneration_ = 0;
    std::int64_t editorPreparationGeneration_ = 0;
    bool isImagePickerPresented_ = false;
    bool isStillImageFolderPickerPresented_ = false;
    bool isAnimationVideoSavePanelPresented_ = false;

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

    // Last values of the derived flags, so their signals fire only on a change.
    bool lastIsPresentingModal_ = false;
    bool lastIsInteractionLocked_ = false;
    bool lastCanGoToEditor_ = false;
};

}  // namespace vlt
