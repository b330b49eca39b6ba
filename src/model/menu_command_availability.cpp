#include "model/menu_command_availability.h"

namespace vlt {

bool MenuCommandAvailability::isEditorCommandAvailable() const {
    return hasEditorSession && !isInteractionLocked && !isTextEntryOpen;
}

bool MenuCommandAvailability::isViewportCommandAvailable() const {
    return isEditorCommandAvailable() && !isAnimateTabSelected;
}

bool MenuCommandAvailability::isGenerallyAvailable() const { return !isInteractionLocked && !isTextEntryOpen; }

bool MenuCommandAvailability::isHistoryCommandAvailable(bool canStep) const {
    return !isPresentingModal && !isCloseRequestPending && !isAnimationVideoSaving && hasEditorSession &&
           !isAnimateTabSelected && (isTextEntryOpen || canStep);
}

bool MenuCommandAvailability::isSaveImagesAvailable() const {
    // Not tied to the interaction lock: while an import replaces the image the item
    // stays, and the save request itself refuses to start.
    return hasEditorSession && !isPresentingModal && !isCloseRequestPending && !isAnimationVideoSaving &&
           !isTextEntryOpen;
}

bool MenuCommandAvailability::isEnabled(MenuCommand command) const {
    switch (command) {
    case MenuCommand::openImage:
        return !isImporting && !isInteractionLocked;
    case MenuCommand::saveImages:
        return isSaveImagesAvailable();
    case MenuCommand::saveVideo:
        return isEditorCommandAvailable() && !isNativeShareServiceActive;
    case MenuCommand::share:
    case MenuCommand::print:
    case MenuCommand::previousEditorTab:
    case MenuCommand::nextEditorTab:
        return isEditorCommandAvailable();
    case MenuCommand::undo:
        return isHistoryCommandAvailable(canUndo);
    case MenuCommand::redo:
        return isHistoryCommandAvailable(canRedo);
    case MenuCommand::fit:
    case MenuCommand::actualSize:
    case MenuCommand::zoomIn:
    case MenuCommand::zoomOut:
    case MenuCommand::toggleComparisonLabels:
    case MenuCommand::toggleInspector:
    case MenuCommand::toggleToolbar:
        return isViewportCommandAvailable();
    case MenuCommand::settings:
    case MenuCommand::settingsContactInformation:
    case MenuCommand::settingsComparisonLabels:
    case MenuCommand::settingsLanguage:
    case MenuCommand::settingsPerformance:
    case MenuCommand::shortcuts:
    case MenuCommand::documentation:
    case MenuCommand::sendFeedback:
        return isGenerallyAvailable();
    case MenuCommand::quit:
    case MenuCommand::support:
    case MenuCommand::about:
    case MenuCommand::aboutVeltrano:
        return true;
    }
    return false;
}

}  // namespace vlt
