#pragma once

#include <QString>

#include "base/result.h"
#include "editing/session/animation_video_descriptor.h"

namespace vlt {

// Reads a written video back and checks it against what the frame writer reported:
// at least 1000 bytes, exactly one video track of the descriptor's size (rounded,
// halves away from zero) and a duration within 0.5 s of the descriptor's.
// AnimationVideoFailure::validationFailed for a file that does not match; the
// system's or the video library's error, unchanged, for one that cannot be read.
// Any thread.
VoidResult validateAnimationVideo(const QString& path, const AnimationVideoDescriptor& descriptor);

}  // namespace vlt
