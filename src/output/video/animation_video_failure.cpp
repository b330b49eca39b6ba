#include "output/video/animation_video_failure.h"

#include "foundation/localized_string.h"

namespace vlt {

std::string AnimationVideoFailure::diagnosticCode() const {
    switch (case_) {
    case Case::rendererUnavailable:
        return "video-renderer-unavailable";
    case Case::canvasTooSmall:
        return "video-canvas-too-small";
    case Case::encoderUnavailable:
        return "video-encoder-unavailable";
    case Case::frameCreationFailed:
        return "video-frame-creation-failed";
    case Case::frameAppendFailed:
        return "video-frame-append-failed";
    case Case::writerFailed:
        return "video-writer-failed";
    case Case::validationFailed:
        return "video-validation-failed";
    case Case::publishFailed:
        return "video-publish-failed";
    }
    return {};
}

std::string AnimationVideoFailure::userMessage() const {
    switch (case_) {
    case Case::rendererUnavailable:
        return localizedStdString("The complete animation could not be prepared.");
    case Case::canvasTooSmall:
        return localizedStdString("Animation video requires an editing canvas at least 2 × 2 pixels.");
    case Case::encoderUnavailable:
        return localizedStdString("This computer could not start the H.264 video encoder.");
    case Case::frameCreationFailed:
    case Case::frameAppendFailed:
    case Case::writerFailed:
        return localizedStdString(
            "The system could not write or finalize the video. The disk may be full, the location unavailable, or "
            "the file in use.");
    case Case::validationFailed:
        return localizedStdString("The saved animation video could not be validated.");
    case Case::publishFailed:
        return localizedStdString("The animation video could not be placed at the selected location.");
    }
    return {};
}

}  // namespace vlt
