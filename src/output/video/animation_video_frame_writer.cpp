#include "output/video/animation_video_frame_writer.h"

#include "output/video/animation_video_failure.h"

namespace vlt {

void writeAnimationVideoFrames(const QString& destinationPath, std::shared_ptr<MetalDeformationRenderer> renderer,
                               std::int64_t canvasWidth, std::int64_t canvasHeight,
                               std::vector<AnnotationObject> annotations, AnimationVideoProgress progress,
                               AnimationVideoFramesCompletion completion) {
    static_cast<void>(destinationPath);
    static_cast<void>(renderer);
    static_cast<void>(canvasWidth);
    static_cast<void>(canvasHeight);
    static_cast<void>(annotations);
    static_cast<void>(progress);
    if (completion) completion(AnimationVideoFailure::rendererUnavailable());
}

}  // namespace vlt
