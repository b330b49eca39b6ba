#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QUuid>

#include "model/still_image_recent_location_state.h"
#include "output/still/resolved_still_image_save_location.h"
#include "output/still/still_image_save_result.h"

namespace vlt {

// The still-image area of the application model: the Save images dialog with its
// destination, the running save and the two cards that report how it ended.
struct StillImageSaveState {
    bool isSaveImagesPresented = false;
    // The dialog's folder picker is open; the dialog does not close meanwhile.
    bool isFolderPickerPresented = false;
    bool isSaving = false;
    // The last successful save, shown by the saved card.
    std::optional<StillImageSaveResult> savedImages;
    // Why the saved files could not be shown in the file manager.
    std::optional<QString> savedImagesFolderError;
    // The error card's texts; it is shown while both are set.
    std::optional<QString> errorTitle;
    std::optional<QString> errorMessage;

    // The destination of the next save. Set exactly while hasDestination is true and
    // destinationError is none; cleared together with a message.
    std::optional<ResolvedStillImageSaveLocation> selectedLocation;
    // The path the dialog shows; it may name a folder that failed.
    QString destinationDisplayPath;
    std::optional<QString> destinationError;
    bool hasDestination = false;
    // The remembered folders in settings order, each with whether it resolves now.
    std::vector<StillImageRecentLocationState> recentLocations;

    friend bool operator==(const StillImageSaveState&, const StillImageSaveState&) = default;
};

// One save as its events name and time it.
struct StillImageSaveOperation {
    QUuid id;
    double startedAt = 0.0;
};

}  // namespace vlt
