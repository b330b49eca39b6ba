#include "platform/video/ffmpeg_error.h"

extern "C" {
#include <libavutil/error.h>
}

namespace vlt {

FfmpegError::FfmpegError(int averror, std::string operation) : averror_(averror), operation_(std::move(operation)) {}

std::string FfmpegError::userMessage() const {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(averror_, text, sizeof text);
    return text;
}

std::string FfmpegError::description() const { return operation_ + ": " + userMessage(); }

ErrorPtr makeFfmpegError(int averror, std::string operation) {
    return makeError<FfmpegError>(averror, std::move(operation));
}

}  // namespace vlt
