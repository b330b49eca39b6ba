#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/result.h"
#include "platform/video/video_picture.h"
#include "platform/video/video_writer_failure.h"

namespace vlt {

struct VideoWriterSettings {
    // Even, at least 2.
    int width = 0;
    int height = 0;
    int framesPerSecond = 30;
    std::int64_t averageBitRate = 12'000'000;
    // The memory the encoder may hold, in bytes: it bounds how many pictures it looks
    // ahead at. None: the encoder's own defaults, one frame thread per processor.
    std::optional<std::int64_t> memoryBudgetBytes;
};

// How the encoder works through the pictures: with how many threads, each taking a
// slice of every picture (so that the threads hold no pictures of their own), and over
// how many pictures ahead its rate control looks (each of which it holds in memory).
struct H264EncoderPlan {
    int threads = 1;
    bool slicedThreads = false;
    int lookaheadFrames = 40;
    // How little the quantizer follows each picture's complexity (libx264's qcomp):
    // the encoder's own 0.6 at its own lookahead, lower for a shorter one.
    double curveCompression = 0.6;
    // How sub-pixel motion is refined (libx264's subme): the default preset's 7, or 6
    // where many slices would otherwise make the export slow.
    int subpixelRefinement = 7;

    friend bool operator==(const H264EncoderPlan&, const H264EncoderPlan&) = default;
};

// The plan for pictures of this size on this many processors within the budget: sliced
// threads on up to eight processors, and the encoder's own lookahead of 40 pictures
// or as many as the budget leaves room for, at least 10, with the curve compressed
// harder the shorter the lookahead, so that the quality at the bit rate stays; on more
// than two processors sub-pixel motion is refined more cheaply.
H264EncoderPlan planH264Encoder(int width, int height, int processors, std::int64_t memoryBudgetBytes);

// Writes one H.264 track (High profile, 4:2:0, BT.709 tags) into a new MPEG-4 file, fed
// with 32-bit BGRA pictures. Pictures are appended in order, one per frame index; the
// last one lasts one frame, so n frames make a file of n / framesPerSecond seconds.
// libx264 is preferred; without it any other H.264 encoder that opens will do.
//
// Not thread-safe, but its two halves are apart: makePicture() may run on one thread
// while append() and finish() run on another, each half one call at a time. A writer
// dropped before finish() leaves an unplayable file behind, which the caller removes.
class H264VideoWriter {
public:
    static Result<std::unique_ptr<H264VideoWriter>, VideoWriterFailure> create(const std::string& path,
                                                                               const VideoWriterSettings& settings);
    ~H264VideoWriter();
    H264VideoWriter(const H264VideoWriter&) = delete;
    H264VideoWriter& operator=(const H264VideoWriter&) = delete;

    // Converts a picture of the writer's size; the alpha bytes are ignored, so
    // premultiplied pixels come out as if drawn over black.
    Result<VideoPicture, VideoWriterFailure> makePicture(const std::uint8_t* bgra, std::ptrdiff_t bytesPerRow);
    // Encodes the picture as frame `frameIndex` and writes what the encoder hands back.
    // The encoder blocks while it is busy, which paces whoever feeds it.
    Result<void, VideoWriterFailure> append(const VideoPicture& picture, std::int64_t frameIndex);
    // Drains the encoder and completes the file.
    Result<void, VideoWriterFailure> finish();

    const std::string& encoderName() const;

private:
    struct State;
    explicit H264VideoWriter(std::unique_ptr<State> state);
    Result<void, VideoWriterFailure> writePendingPackets();

    std::unique_ptr<State> state_;
};

}  // namespace vlt
