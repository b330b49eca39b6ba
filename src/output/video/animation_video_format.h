#pragma once

#include <cstdint>

namespace vlt {

// The fixed form of the animation video: three loops of the 3-second morph.
struct AnimationVideoFormat {
    static constexpr std::int64_t kFrameCount = 270;
    static constexpr int kFramesPerSecond = 30;
    static constexpr double kDurationSeconds = 9.0;
    static constexpr std::int64_t kAverageBitRate = 12'000'000;
    // Progress in percent: frames fill up to 95, finishing the file brings 98; the
    // rest belongs to validation and publishing.
    static constexpr double kFramesProgressPercent = 95.0;
    static constexpr double kFinishedProgressPercent = 98.0;
};

}  // namespace vlt
