#pragma once

#include <QString>

#include "base/error.h"

namespace vlt {

// How a video save that did not succeed ends for the user and in the log.
struct AnimationVideoSaveFailureReport {
    // A cancellation that left nothing to look after: logged as cancelled, nothing
    // shown.
    bool isQuietCancellation = false;
    // The error the failed event describes.
    ErrorPtr loggedError;
    // The error card's texts.
    QString title;
    QString message;
};

// `error` is what the export ended with (usually an AnimationVideoSaveFailure);
// `taskCancelled` whether the save was asked to stop.
AnimationVideoSaveFailureReport reportAnimationVideoSaveFailure(const ErrorPtr& error, bool taskCancelled);

}  // namespace vlt
