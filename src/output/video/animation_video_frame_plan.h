#pragma once

#include <cstdint>
#include <vector>

namespace vlt {

// One frame of the video and the picture it shows. Frames of equal morph scale show
// the same picture (the same render, the annotations at the same opacity), and the
// morph returns to the same scales on its way down and in every loop, so only the
// first frame of a picture renders it and the others reuse it.
struct AnimationVideoFrame {
    std::int64_t index = 0;
    float scale = 0.0f;
    // This frame renders the picture; later frames reuse it.
    bool rendersPicture = false;
    // No later frame shows the picture, so it can be let go after this one.
    bool isLastOfPicture = false;
};

// The video's frames in order, frame i at i / 30 s on the morph timeline.
std::vector<AnimationVideoFrame> planAnimationVideoFrames();

}  // namespace vlt
