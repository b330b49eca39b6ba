#pragma once

// Move-only owners of FFmpeg's handles; private to this folder, the only one that sees
// FFmpeg's headers.

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

namespace vlt {

// FFmpeg writes notes and statistics to stderr; only its errors are worth showing.
inline void keepFfmpegQuiet() {
    static const bool quiet = (av_log_set_level(AV_LOG_ERROR), true);
    static_cast<void>(quiet);
}

struct AVFrameRelease {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct AVPacketRelease {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct AVCodecContextRelease {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct SwsContextRelease {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
// An output context owns the file it opened.
struct OutputFormatContextRelease {
    void operator()(AVFormatContext* context) const {
        if (context->pb != nullptr && (context->oformat->flags & AVFMT_NOFILE) == 0) avio_closep(&context->pb);
        avformat_free_context(context);
    }
};
struct InputFormatContextRelease {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};

using AVFramePtr = std::unique_ptr<AVFrame, AVFrameRelease>;
using AVPacketPtr = std::unique_ptr<AVPacket, AVPacketRelease>;
using AVCodecContextPtr = std::unique_ptr<AVCodecContext, AVCodecContextRelease>;
using SwsContextPtr = std::unique_ptr<SwsContext, SwsContextRelease>;
using OutputFormatContextPtr = std::unique_ptr<AVFormatContext, OutputFormatContextRelease>;
using InputFormatContextPtr = std::unique_ptr<AVFormatContext, InputFormatContextRelease>;

// A 4:2:0 picture of the given size with its pixels allocated and tagged as the
// writer encodes them (BT.709, limited range); null when the memory cannot be had.
inline std::shared_ptr<AVFrame> allocateEncoderPicture(int width, int height) {
    std::shared_ptr<AVFrame> frame(av_frame_alloc(), [](AVFrame* owned) { av_frame_free(&owned); });
    if (!frame) return nullptr;
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = width;
    frame->height = height;
    frame->color_primaries = AVCOL_PRI_BT709;
    frame->color_trc = AVCOL_TRC_BT709;
    frame->colorspace = AVCOL_SPC_BT709;
    frame->color_range = AVCOL_RANGE_MPEG;
    if (av_frame_get_buffer(frame.get(), 0) < 0) return nullptr;
    return frame;
}

}  // namespace vlt
