#pragma once

#include <optional>

#include <QString>
#include <QUuid>

#include "model/share_image_dialog_state.h"
#include "model/task_handle.h"

namespace vlt {

// The share area of the application model: the share dialog, the preparation of the
// one JPEG, the picker at work and the error card. One share at a time.
struct ShareState {
    // The share dialog is shown while set. A preparation replaces the choices with the
    // effective ones; the open dialog keeps showing its own.
    std::optional<ShareImageDialogState> shareImageState;
    // The dialog's choices while the settings dialog opened from it is up; the dialog
    // comes back with them.
    std::optional<ShareImageDialogState> shareImageStateAfterSettings;
    // The editor is finishing its work before the dialog opens.
    bool isShareImageOpening = false;
    // From Continue until the picker is shown.
    bool isShareImagePreparing = false;
    // From just before the picker is shown until its outcome.
    bool isNativeShareServiceActive = false;
    // The error card is shown while both are set.
    std::optional<QString> shareImageErrorTitle;
    std::optional<QString> shareImageErrorMessage;
    // The share in progress, from its preparation to its outcome; only it may change
    // this state.
    std::optional<QUuid> activeShareOperationID;
    TaskHandlePtr shareImagePreparationTask;

    bool operator==(const ShareState&) const = default;
};

}  // namespace vlt
