#include "output/video/animation_video_size.h"

#include <algorithm>
#include <cmath>

#include "output/video/animation_video_failure.h"

namespace vlt {

namespace {

// The floor, at least 2, rounded down to an even number: 4:2:0 video needs even sides.
std::int64_t evenSide(double side) {
    const auto whole = std::max<std::int64_t>(static_cast<std::int64_t>(std::floor(side)), 2);
    return whole & ~std::int64_t{1};
}

}  // namespace

Result<AnimationVideoSize> AnimationVideoSize::forCanvas(std::int64_t canvasWidth, std::int64_t canvasHeight) {
    if (canvasWidth < 2 || canvasHeight < 2)
        return AnimationVideoFailure::make(AnimationVideoFailure::Case::canvasTooSmall);
    const bool portrait = canvasWidth < canvasHeight;
    const double boundWidth = static_cast<double>(portrait ? kShortSide : kLongSide);
    const double boundHeight = static_cast<double>(portrait ? kLongSide : kShortSide);
    const double width = static_cast<double>(canvasWidth);
    const double height = static_cast<double>(canvasHeight);
    const double scale = std::min({boundWidth / width, boundHeight / height, 1.0});
    return AnimationVideoSize{evenSide(scale * width), evenSide(scale * height)};
}

}  // namespace vlt
