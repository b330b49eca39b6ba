#pragma once

#include "base/error.h"

namespace vlt {

// The step of writing a video that failed; the caller names it in its own terms.
enum class VideoWriterStage {
    // The container or its file could not be created, started or finished.
    container,
    // No H.264 encoder could be opened with the settings.
    encoderUnavailable,
    // A picture could not be allocated or converted.
    pictureCreation,
    // The encoder or the container refused a picture or its packets.
    append,
};

struct VideoWriterFailure {
    VideoWriterStage stage = VideoWriterStage::container;
    // FFmpeg's error; none where the step failed without one (no encoder at all).
    ErrorPtr underlying;
};

}  // namespace vlt
