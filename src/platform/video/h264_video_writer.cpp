#include "platform/video/h264_video_writer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/usable_cpu_count.h"
#include "platform/video/ffmpeg_error.h"
#include "platform/video/ffmpeg_handles.h"

extern "C" {
#include <libavutil/opt.h>
}

namespace vlt {

namespace {

constexpr const char* kPreferredEncoder = "libx264";
// Keyframes every two seconds keep seeking quick in players.
constexpr int kKeyframeIntervalSeconds = 2;

// libx264's own lookahead, and the fewest pictures it is given.
constexpr int kDefaultLookaheadFrames = 40;
constexpr int kMinimumLookaheadFrames = 10;
// libx264's own curve compression, and how much lower it goes for each picture the
// lookahead is short of the encoder's own: the macroblock tree's bit shift to what
// later pictures refer to grows as the curve is compressed harder, which makes up for
// the pictures it no longer sees (measured on the morph's 1618 × 1080 and 1920 × 1080
// videos at 12 Mbit/s: 20 pictures at 0.4 or 12 at 0.32 reach the PSNR of 40 at 0.6).
constexpr double kDefaultCurveCompression = 0.6;
constexpr double kCurveCompressionPerMissingFrame = 0.01;
// Beyond eight slices a picture gains little speed and loses compression at the edges.
constexpr int kMaximumSliceThreads = 8;
// Beyond two, slices scale worse than the encoder's frame threads, which would each hold
// pictures of their own (with four to six of them the export added 280 to 330 MiB at
// 1080p). Refining sub-pixel motion by rate-distortion on I and P pictures only (6, one
// below the default preset's 7) wins the time back instead: at 1080p on eight
// processors it took a tenth off the time and under 0.1 dB off the PSNR, which the curve
// compression had raised 0.5 dB over the encoder's defaults.
constexpr int kFewestThreadsForCheaperRefinement = 3;
constexpr int kDefaultSubpixelRefinement = 7;
constexpr int kCheaperSubpixelRefinement = 6;
// What libx264 holds, as measured for 1080 × 1080 to 1920 × 1080 (the resident size
// it adds, for lookaheads of 10 to 40 and 2 to 8 sliced threads), in bytes per pixel
// of its padded picture (32 pixels round each side, rows in 64-byte steps): its
// reference pictures and analysis tables, each slice thread's work space, and each
// picture waiting in the lookahead (the picture and its quarter-size copies, about
// 7 MB at 1080p). Frame threads would each hold pictures as well, about 25 MB apiece
// at 1080p, which is why slices are used (four frame threads with a lookahead of 10
// added 280 MiB at 1080p where eight slices added 224).
constexpr double kEncoderBytes = 6e6;
constexpr double kEncoderBytesPerPixel = 37.0;
constexpr double kSliceThreadBytesPerPixel = 1.2;
constexpr double kLookaheadBytesPerPixel = 3.25;
constexpr int kPicturePadding = 32;
constexpr int kRowAlignment = 64;
constexpr int kMacroblockSide = 16;

double paddedPixels(int width, int height) {
    const int rowPixels = (width + 2 * kPicturePadding + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
    const int rows = (height + kMacroblockSide - 1) / kMacroblockSide * kMacroblockSide + 2 * kPicturePadding;
    return double(rowPixels) * double(rows);
}

VideoWriterFailure failure(VideoWriterStage stage, int averror, std::string operation) {
    return {stage, makeFfmpegError(averror, std::move(operation))};
}

// libx264 first, then every other H.264 encoder that takes planar 4:2:0 input.
std::vector<const AVCodec*> h264EncoderCandidates() {
    std::vector<const AVCodec*> candidates;
    if (const AVCodec* preferred = avcodec_find_encoder_by_name(kPreferredEncoder)) candidates.push_back(preferred);
    void* iteration = nullptr;
    while (const AVCodec* codec = av_codec_iterate(&iteration)) {
        if (codec->id != AV_CODEC_ID_H264 || !av_codec_is_encoder(codec)) continue;
        if (std::string(codec->name) == kPreferredEncoder || codec->pix_fmts == nullptr) continue;
        for (const AVPixelFormat* format = codec->pix_fmts; *format != AV_PIX_FMT_NONE; ++format) {
            if (*format == AV_PIX_FMT_YUV420P) {
                candidates.push_back(codec);
                break;
            }
        }
    }
    return candidates;
}

AVCodecContextPtr openEncoder(const AVCodec* codec, const VideoWriterSettings& settings, bool globalHeader) {
    const bool isPreferred = std::string(codec->name) == kPreferredEncoder;
    AVCodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context) return nullptr;
    context->width = settings.width;
    context->height = settings.height;
    context->time_base = AVRational{1, settings.framesPerSecond};
    context->framerate = AVRational{settings.framesPerSecond, 1};
    context->pix_fmt = AV_PIX_FMT_YUV420P;
    context->bit_rate = settings.averageBitRate;
    context->gop_size = settings.framesPerSecond * kKeyframeIntervalSeconds;
    context->profile = FF_PROFILE_H264_HIGH;
    context->color_primaries = AVCOL_PRI_BT709;
    context->color_trc = AVCOL_TRC_BT709;
    context->colorspace = AVCOL_SPC_BT709;
    context->color_range = AVCOL_RANGE_MPEG;
    if (globalHeader) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    AVDictionary* options = nullptr;
    av_dict_set(&options, "profile", "high", 0);
    if (!settings.memoryBudgetBytes) {
        // The library's default is one thread; libx264's own is one frame thread and a
        // half per processor.
        context->thread_count = 0;
    } else if (isPreferred) {
        const H264EncoderPlan plan =
            planH264Encoder(settings.width, settings.height, usableCpuCount(), *settings.memoryBudgetBytes);
        context->thread_count = plan.threads;
        // Given as a number, not as text: libx264 reads a text's decimal point by the
        // locale, which the application takes from the desktop.
        context->qcompress = float(plan.curveCompression);
        const std::string parameters = "rc-lookahead=" + std::to_string(plan.lookaheadFrames) +
                                       (plan.slicedThreads ? ":sliced-threads=1" : "") +
                                       ":subme=" + std::to_string(plan.subpixelRefinement);
        av_dict_set(&options, "x264-params", parameters.c_str(), 0);
    } else {
        // Another encoder: its memory is unknown, so one thread of it.
        context->thread_count = 1;
    }
    const int opened = avcodec_open2(context.get(), codec, &options);
    av_dict_free(&options);
    if (opened < 0) return nullptr;
    return context;
}

}  // namespace

H264EncoderPlan planH264Encoder(int width, int height, int processors, std::int64_t memoryBudgetBytes) {
    H264EncoderPlan plan;
    plan.threads = std::clamp(processors, 1, kMaximumSliceThreads);
    plan.slicedThreads = plan.threads > 1;
    plan.subpixelRefinement =
        plan.threads >= kFewestThreadsForCheaperRefinement ? kCheaperSubpixelRefinement : kDefaultSubpixelRefinement;
    const double pixels = paddedPixels(width, height);
    const double fixed = kEncoderBytes + pixels * (kEncoderBytesPerPixel + kSliceThreadBytesPerPixel * plan.threads);
    const double room = (double(memoryBudgetBytes) - fixed) / (pixels * kLookaheadBytesPerPixel);
    plan.lookaheadFrames =
        int(std::clamp(std::floor(room), double(kMinimumLookaheadFrames), double(kDefaultLookaheadFrames)));
    plan.curveCompression =
        kDefaultCurveCompression - kCurveCompressionPerMissingFrame * (kDefaultLookaheadFrames - plan.lookaheadFrames);
    return plan;
}

struct H264VideoWriter::State {
    VideoWriterSettings settings;
    OutputFormatContextPtr container;
    AVStream* stream = nullptr;
    AVCodecContextPtr encoder;
    SwsContextPtr converter;
    AVFramePtr sending{av_frame_alloc()};
    AVPacketPtr packet{av_packet_alloc()};
    std::string encoderName;
    bool finished = false;
};

H264VideoWriter::H264VideoWriter(std::unique_ptr<State> state) : state_(std::move(state)) {}

H264VideoWriter::~H264VideoWriter() = default;

const std::string& H264VideoWriter::encoderName() const { return state_->encoderName; }

Result<std::unique_ptr<H264VideoWriter>, VideoWriterFailure> H264VideoWriter::create(
    const std::string& path, const VideoWriterSettings& settings) {
    keepFfmpegQuiet();
    auto state = std::make_unique<State>();
    state->settings = settings;
    if (!state->sending || !state->packet)
        return failure(VideoWriterStage::container, AVERROR(ENOMEM), "av_frame_alloc");

    // 1. The container.
    AVFormatContext* container = nullptr;
    int status = avformat_alloc_output_context2(&container, nullptr, "mp4", path.c_str());
    if (status < 0 || container == nullptr)
        return failure(VideoWriterStage::container, status, "avformat_alloc_output");
    state->container.reset(container);

    // 2. The encoder.
    const bool globalHeader = (container->oformat->flags & AVFMT_GLOBALHEADER) != 0;
    for (const AVCodec* codec : h264EncoderCandidates()) {
        state->encoder = openEncoder(codec, settings, globalHeader);
        if (state->encoder) {
            state->encoderName = codec->name;
            break;
        }
    }
    if (!state->encoder) return VideoWriterFailure{VideoWriterStage::encoderUnavailable, nullptr};

    // 3. The track and the file.
    state->stream = avformat_new_stream(container, nullptr);
    if (state->stream == nullptr) return failure(VideoWriterStage::container, AVERROR(ENOMEM), "avformat_new_stream");
    status = avcodec_parameters_from_context(state->stream->codecpar, state->encoder.get());
    if (status < 0) return failure(VideoWriterStage::container, status, "avcodec_parameters_from_context");
    state->stream->time_base = state->encoder->time_base;
    state->stream->avg_frame_rate = state->encoder->framerate;
    status = avio_open(&container->pb, path.c_str(), AVIO_FLAG_WRITE);
    if (status < 0) return failure(VideoWriterStage::container, status, "avio_open");
    // The index goes in front, so players start before the whole file has arrived.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "movflags", "+faststart", 0);
    status = avformat_write_header(container, &options);
    av_dict_free(&options);
    if (status < 0) return failure(VideoWriterStage::container, status, "avformat_write_header");

    // 4. BGRA to 4:2:0 with the BT.709 matrix, full-range input to limited-range output.
    state->converter.reset(sws_getContext(settings.width, settings.height, AV_PIX_FMT_BGRA, settings.width,
                                          settings.height, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!state->converter) return failure(VideoWriterStage::pictureCreation, AVERROR(EINVAL), "sws_getContext");
    const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(state->converter.get(), bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);

    return std::unique_ptr<H264VideoWriter>(new H264VideoWriter(std::move(state)));
}

Result<VideoPicture, VideoWriterFailure> H264VideoWriter::makePicture(const std::uint8_t* bgra,
                                                                      std::ptrdiff_t bytesPerRow) {
    std::shared_ptr<AVFrame> frame = allocateEncoderPicture(state_->settings.width, state_->settings.height);
    if (!frame) return failure(VideoWriterStage::pictureCreation, AVERROR(ENOMEM), "av_frame_get_buffer");

    const std::uint8_t* sourcePlanes[1] = {bgra};
    const int sourceStrides[1] = {static_cast<int>(bytesPerRow)};
    const int rows = sws_scale(state_->converter.get(), sourcePlanes, sourceStrides, 0, state_->settings.height,
                               frame->data, frame->linesize);
    if (rows != state_->settings.height)
        return failure(VideoWriterStage::pictureCreation, AVERROR(EINVAL), "sws_scale");
    return VideoPicture(std::move(frame));
}

Result<void, VideoWriterFailure> H264VideoWriter::append(const VideoPicture& picture, std::int64_t frameIndex) {
    if (picture.isNull() || state_->finished) return failure(VideoWriterStage::append, AVERROR(EINVAL), "append");
    // A reference of its own carries this frame's time; the shared pixels stay untouched.
    AVFrame* sending = state_->sending.get();
    int status = av_frame_ref(sending, picture.frame_.get());
    if (status < 0) return failure(VideoWriterStage::append, status, "av_frame_ref");
    sending->pts = frameIndex;
    status = avcodec_send_frame(state_->encoder.get(), sending);
    av_frame_unref(sending);
    if (status < 0) return failure(VideoWriterStage::append, status, "avcodec_send_frame");
    return writePendingPackets();
}

Result<void, VideoWriterFailure> H264VideoWriter::finish() {
    if (state_->finished) return {};
    const int flushed = avcodec_send_frame(state_->encoder.get(), nullptr);
    if (flushed < 0) return failure(VideoWriterStage::append, flushed, "avcodec_send_frame");
    if (auto written = writePendingPackets(); !written.ok()) return written;
    state_->finished = true;
    AVFormatContext* container = state_->container.get();
    int status = av_write_trailer(container);
    if (status < 0) return failure(VideoWriterStage::container, status, "av_write_trailer");
    status = avio_closep(&container->pb);
    if (status < 0) return failure(VideoWriterStage::container, status, "avio_close");
    return {};
}

Result<void, VideoWriterFailure> H264VideoWriter::writePendingPackets() {
    AVCodecContext* encoder = state_->encoder.get();
    AVPacket* packet = state_->packet.get();
    while (true) {
        int status = avcodec_receive_packet(encoder, packet);
        if (status == AVERROR(EAGAIN) || status == AVERROR_EOF) return {};
        if (status < 0) return failure(VideoWriterStage::append, status, "avcodec_receive_packet");
        // Every frame lasts one tick; the last packet's duration ends the track on time.
        if (packet->duration <= 0) packet->duration = 1;
        av_packet_rescale_ts(packet, encoder->time_base, state_->stream->time_base);
        packet->stream_index = state_->stream->index;
        status = av_interleaved_write_frame(state_->container.get(), packet);
        if (status < 0) return failure(VideoWriterStage::append, status, "av_interleaved_write_frame");
    }
}

}  // namespace vlt
