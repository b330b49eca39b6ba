#include "platform/video/video_file_properties.h"

#include <limits>

#include "platform/video/ffmpeg_error.h"
#include "platform/video/ffmpeg_handles.h"

namespace vlt {

Result<VideoFileProperties> readVideoFileProperties(const std::string& path) {
    keepFfmpegQuiet();
    AVFormatContext* opened = nullptr;
    const int status = avformat_open_input(&opened, path.c_str(), nullptr, nullptr);
    if (status < 0) return makeFfmpegError(status, "avformat_open_input");
    InputFormatContextPtr container(opened);

    VideoFileProperties properties;
    properties.durationSeconds = container->duration == AV_NOPTS_VALUE
                                     ? std::numeric_limits<double>::quiet_NaN()
                                     : static_cast<double>(container->duration) / AV_TIME_BASE;
    for (unsigned index = 0; index < container->nb_streams; ++index) {
        const AVStream* stream = container->streams[index];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO) continue;
        if ((stream->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0) continue;
        if (properties.videoTrackCount++ > 0) continue;
        const AVRational aspect = stream->codecpar->sample_aspect_ratio;
        // An unset ratio (0/1) means square pixels; any other value is taken as stated.
        const double stretch = aspect.num == 0 && aspect.den != 0 ? 1.0 : av_q2d(aspect);
        properties.naturalWidth = stream->codecpar->width * stretch;
        properties.naturalHeight = stream->codecpar->height;
    }
    return properties;
}

}  // namespace vlt
