#pragma once

#include <functional>
#include <stop_token>

#include <QString>

#include "base/result.h"
#include "editing/session/animation_video_descriptor.h"
#include "output/video/animation_video_save_result.h"
#include "output/video/animation_video_validation.h"

namespace vlt {

// The steps of one video export that its caller provides.
struct AnimationVideoExportSteps {
    // Main thread: writes the video into the temporary file and completes once, on the
    // main thread, with what it wrote. The editor session's video command.
    std::function<void(const QString& temporaryPath, std::function<void(Result<AnimationVideoDescriptor>)> completion)>
        writeFrames;
    // Any thread: checks the written file.
    std::function<VoidResult(const QString& path, const AnimationVideoDescriptor& descriptor)> validate =
        &validateAnimationVideo;
    // Runs file work and validation off the GUI thread; the global thread pool when
    // empty.
    std::function<void(std::function<void()>)> runInBackground;
};

// Writes the animation video to `destinationPath` as one transaction:
//  1. a hidden temporary folder is made in the destination's own folder (so the final
//     move stays on one file system);
//  2. the frames are written into a hidden file in it;
//  3. the file is read back and validated, and synced to disk;
//  4. it is renamed over the destination, which a reader therefore sees either as it
//     was or as the complete new video;
//  5. the temporary folder is removed.
// A stop request is honoured up to step 3; once the rename is under way it completes.
//
// The completion runs once on the main thread. Every failure is an
// AnimationVideoSaveFailure: nothing is left behind unless removal failed (its
// cleanupPath), and the destination is untouched unless the rename had begun
// (destinationStateUncertain; the temporary folder is then kept, as it may hold the
// only copy of the video).
void exportAnimationVideo(const QString& destinationPath, AnimationVideoExportSteps steps, std::stop_token stop,
                          std::function<void(Result<AnimationVideoSaveResult>)> completion);

}  // namespace vlt
