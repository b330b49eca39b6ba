#pragma once

#include <string>

#include "base/result.h"

namespace vlt {

// What a video file's container says about it, read without decoding a frame.
struct VideoFileProperties {
    // Video tracks, cover pictures not counted.
    int videoTrackCount = 0;
    // The first video track's display size: its coded size stretched by its pixel
    // aspect ratio, so a damaged ratio may make it infinite or NaN.
    double naturalWidth = 0.0;
    double naturalHeight = 0.0;
    // NaN when the container states no duration.
    double durationSeconds = 0.0;
};

// An FfmpegError when the file cannot be opened or is not a media container.
Result<VideoFileProperties> readVideoFileProperties(const std::string& path);

}  // namespace vlt
