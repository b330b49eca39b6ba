#pragma once

#include <cstdint>

#include "base/result.h"

namespace vlt {

// The frame size of the animation video: the canvas fitted into 1920 × 1080 (1080 ×
// 1920 for a portrait canvas), never enlarged, both sides even and at least 2.
struct AnimationVideoSize {
    std::int64_t width = 0;
    std::int64_t height = 0;

    static constexpr std::int64_t kLongSide = 1920;
    static constexpr std::int64_t kShortSide = 1080;

    // AnimationVideoFailure::canvasTooSmall below 2 × 2 pixels.
    static Result<AnimationVideoSize> forCanvas(std::int64_t canvasWidth, std::int64_t canvasHeight);

    friend bool operator==(const AnimationVideoSize&, const AnimationVideoSize&) = default;
};

}  // namespace vlt
