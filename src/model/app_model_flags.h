#pragma once

namespace vlt {

// The model fields that decide the three derived flags every screen and menu tests
// before acting. The flags are pure functions of these fields, so they can be checked
// as truth tables without building a model.
struct AppModelFlags {
    // Dialogs, result cards, alerts and running outputs, in the order they are tested.
    bool isShortcutsPresented = false;
    bool hasFeedbackState = false;
    bool hasActiveSettingsSection = false;
    bool isSaveImagesPresented = false;
    bool isStillImageSaving = false;
    bool hasSavedStillImages = false;
    bool hasStillImageSaveErrorTitle = false;
    bool isShareImageOpening = false;
    bool hasShareImageState = false;
    bool isShareImagePreparing = false;
    bool hasShareImageErrorTitle = false;
    bool isAnimationVideoSavePanelPresented = false;
    bool isAnimationVideoSaving = false;
    bool hasSavedAnimationVideo = false;
    bool hasAnimationVideoSaveErrorTitle = false;
    bool isPrinting = false;
    bool showsPrintError = false;
    bool showsReplacementImportError = false;
    bool showsEditorPreparationError = false;
    bool showsGraphicsFailure = false;
    bool isCrashReportAlertPresented = false;

    // Work and requests that lock or block the screens.
    bool isCloseRequestPending = false;
    bool isClosePreparationPending = false;
    bool isImporting = false;
    bool hasDocument = false;
    bool hasEditorSession = false;
    bool isPreparingEditor = false;

    // Something is shown over the screen, or an output runs. The open panels, an
    // active share service and a video cancellation do not count.
    bool isPresentingModal() const;
    // Nothing new may start. A close request still waiting for the editor to commit
    // does not lock, nor does an import started from the start page.
    bool isInteractionLocked() const;
    // The crop screen may hand its crop to the editor preparation.
    bool canGoToEditor() const;
};

}  // namespace vlt
