#pragma once

#include <optional>

#include <QString>

#include "base/error.h"
#include "output/still/still_image_save_failure.h"

namespace vlt {

// How the model reports a save that did not succeed.
struct StillImageSaveFailureReport {
    // A cancellation that left nothing behind: no card, the cancelled event.
    bool isQuietCancellation = false;
    // The error card's texts otherwise.
    QString title;
    QString message;
    // The error logged with the failed event (the underlying one, not the wrapper).
    ErrorPtr loggedError;
};

// A cancellation is the cancellation error or a cancelled task, whatever error the
// save ended with. The message is the lead sentence and the reason (the still-image
// failure's own sentence, else the disk-or-location one), followed by the temporary
// files that could not be removed.
StillImageSaveFailureReport reportStillImageSaveFailure(const StillImageSaveFailure& failure, bool taskCancelled);

}  // namespace vlt
