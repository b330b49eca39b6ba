#pragma once

#include "model/menu_command.h"

namespace vlt {

// What the menu bar's enabled states depend on: the model's flags and, while the
// editor is open, a few facts of the editor session.
struct MenuCommandAvailability {
    bool isInteractionLocked = false;
    bool isPresentingModal = false;
    bool isImporting = false;
    bool isCloseRequestPending = false;
    bool isAnimationVideoSaving = false;
    bool isNativeShareServiceActive = false;
    bool hasEditorSession = false;
    // The annotation text sheet is open: Undo and Redo act on the typed text.
    bool isTextEntryOpen = false;
    bool isAnimateTabSelected = false;
    bool canUndo = false;
    bool canRedo = false;

    bool isEnabled(MenuCommand command) const;

    // The editor is open and free to take a command.
    bool isEditorCommandAvailable() const;
    // The same, on a tab with a zoomable viewport.
    bool isViewportCommandAvailable() const;
    // Nothing locks the application and no text is being typed.
    bool isGenerallyAvailable() const;
    bool isHistoryCommandAvailable(bool canStep) const;
    bool isSaveImagesAvailable() const;
};

}  // namespace vlt
