#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <vector>

#include <QString>

#include "base/result.h"
#include "editing/annotations/annotation_object.h"
#include "editing/session/animation_video_descriptor.h"

namespace vlt {

class MetalDeformationRenderer;

// Progress in percent, on the main thread.
using AnimationVideoProgress = std::function<void(double percent)>;
using AnimationVideoFramesCompletion = std::function<void(Result<AnimationVideoDescriptor>)>;

// Renders the 270 morph frames with the editor's renderer at video size, draws the
// annotations on each and writes them into a new H.264 MP4 file at `path`, then
// reports the size and the 9-second duration it wrote.
//
// The GUI thread only asks for renders; drawing, conversion and encoding run on a
// thread of their own, a few frames behind, so neither waits for the other and the
// encoder's pace holds the renders back. Progress reaches (i + 1) / 270 × 95 after
// frame i and 98 once the file is complete. A stop request ends the work at the next
// frame with a cancellation.
//
// Main thread; the completion runs exactly once on the main thread, after the file is
// closed, and never inside this call. The renderer is kept alive until then. Failures:
// AnimationVideoFailure (canvasTooSmall, encoderUnavailable), AnimationVideoSystemFailure
// (writerFailed, frameCreationFailed, frameAppendFailed), the renderer's own failure,
// or the cancellation error.
void writeAnimationVideoFrames(const QString& path, std::shared_ptr<MetalDeformationRenderer> renderer,
                               std::int64_t canvasWidth, std::int64_t canvasHeight,
                               std::vector<AnnotationObject> annotations, std::stop_token stop,
                               AnimationVideoProgress progress, AnimationVideoFramesCompletion completion);

}  // namespace vlt
