#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QString>

#include "editing/annotations/annotation_object.h"
#include "editing/session/animation_video_descriptor.h"
#include "base/result.h"

namespace vlt {

class MetalDeformationRenderer;

// Progress in percent, on the main thread.
using AnimationVideoProgress = std::function<void(double percent)>;
using AnimationVideoFramesCompletion = std::function<void(Result<AnimationVideoDescriptor>)>;

// Renders the morph frames of the editor's renderer with the annotations drawn on each,
// writes and finishes the MP4 file at the destination and reports what it wrote.
// Main thread; the completion runs exactly once on the main thread. The renderer is
// kept alive until then.
//
// Until the video encoder is available every call answers
// AnimationVideoFailure::rendererUnavailable, without touching the destination.
void writeAnimationVideoFrames(const QString& destinationPath, std::shared_ptr<MetalDeformationRenderer> renderer,
                               std::int64_t canvasWidth, std::int64_t canvasHeight,
                               std::vector<AnnotationObject> annotations, AnimationVideoProgress progress,
                               AnimationVideoFramesCompletion completion);

}  // namespace vlt
