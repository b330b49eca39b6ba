#pragma once

#include <optional>

#include <QString>
#include <QUuid>

#include "output/video/animation_video_save_result.h"

namespace vlt {

// The fields of the video save flow, one value with one change signal: what the save
// panel, the saving card, the saved card and the error card show.
struct AnimationVideoSaveState {
    bool isSavePanelPresented = false;
    bool isSaving = false;
    // Cancel was pressed; the save is winding down.
    bool isCancelling = false;
    // Percent, 0 to 100.
    double progress = 0.0;
    // The last successful save, shown by the saved card.
    std::optional<AnimationVideoSaveResult> savedVideo;
    // Why the saved video could not be shown in the file manager.
    std::optional<QString> savedVideoFolderError;
    // The error card's texts; it is shown while both are set.
    std::optional<QString> errorTitle;
    std::optional<QString> errorMessage;

    friend bool operator==(const AnimationVideoSaveState&, const AnimationVideoSaveState&) = default;
};

// One video save as its events name and time it: from the moment the panel opened.
struct AnimationVideoSaveOperation {
    QUuid id;
    double startedAt = 0.0;
};

}  // namespace vlt
