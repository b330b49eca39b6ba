#include "output/video/animation_video_frame_plan.h"

#include <bit>
#include <cstdint>
#include <unordered_map>

#include "editing/engine/deformation_animation_timeline.h"
#include "output/video/animation_video_format.h"

namespace vlt {

std::vector<AnimationVideoFrame> planAnimationVideoFrames() {
    const DeformationAnimationTimeline timeline;
    std::vector<AnimationVideoFrame> frames;
    frames.reserve(static_cast<std::size_t>(AnimationVideoFormat::kFrameCount));
    // Scales compare by their bits: only exactly equal ones share a picture.
    std::unordered_map<std::uint32_t, std::size_t> lastFrameOfScale;
    for (std::int64_t index = 0; index < AnimationVideoFormat::kFrameCount; ++index) {
        const double seconds = static_cast<double>(index) / AnimationVideoFormat::kFramesPerSecond;
        AnimationVideoFrame frame;
        frame.index = index;
        frame.scale = timeline.scale(seconds);
        const auto key = std::bit_cast<std::uint32_t>(frame.scale);
        auto [entry, isNew] = lastFrameOfScale.try_emplace(key, frames.size());
        frame.rendersPicture = isNew;
        if (!isNew) entry->second = frames.size();
        frames.push_back(frame);
    }
    for (const auto& [key, last] : lastFrameOfScale) frames[last].isLastOfPicture = true;
    return frames;
}

}  // namespace vlt
