#include "output/video/animation_video_frame_writer.h"

#include <atomic>
#include <bit>
#include <deque>
#include <filesystem>
#include <optional>
#include <unordered_map>
#include <utility>

#include <QImage>

#include "base/cancellation_error.h"
#include "base/main_thread.h"
#include "base/precondition.h"
#include "base/serial_worker.h"
#include "editing/renderer/metal_deformation_renderer.h"
#include "output/video/animation_video_failure.h"
#include "output/video/animation_video_format.h"
#include "output/video/animation_video_frame_composer.h"
#include "output/video/animation_video_frame_plan.h"
#include "output/video/animation_video_size.h"
#include "platform/video/h264_video_writer.h"
#include "platform/video/video_picture_store.h"

namespace vlt {

namespace {

// Frames asked for but not yet encoded: one being encoded while the next is rendered,
// drawn on and converted; few enough to bound memory (each holds its render target,
// 8 MB at 1080p, and its converted picture, 3 MB). A third would make nothing faster.
constexpr std::size_t kFramesInFlight = 2;
// All that the export adds to the editor's memory, encoder included.
constexpr std::int64_t kExportMemoryBudgetBytes = std::int64_t(250) << 20;
// Beyond its frames in flight the export's own work (the renderer, the annotations'
// drawing, the converter, its threads, the file) holds up to this much, as measured at
// 1080p and 1618 × 1080 on two and eight processors.
constexpr std::int64_t kExportWorkBytes = std::int64_t(45) << 20;

// What the encoder may hold: the budget less the export's own work and its frames in
// flight.
std::int64_t encoderMemoryBudget(std::int64_t width, std::int64_t height) {
    const std::int64_t frameBytes = width * height * 4 + width * height * 3 / 2;
    return kExportMemoryBudgetBytes - kExportWorkBytes - std::int64_t(kFramesInFlight) * frameBytes;
}

ErrorPtr writerError(const VideoWriterFailure& failure) {
    using Case = AnimationVideoFailure::Case;
    switch (failure.stage) {
    case VideoWriterStage::encoderUnavailable:
        return AnimationVideoFailure::make(Case::encoderUnavailable);
    case VideoWriterStage::pictureCreation:
        return AnimationVideoSystemFailure::make(Case::frameCreationFailed, failure.underlying);
    case VideoWriterStage::append:
        return AnimationVideoSystemFailure::make(Case::frameAppendFailed, failure.underlying);
    case VideoWriterStage::container:
        break;
    }
    return AnimationVideoSystemFailure::make(Case::writerFailed, failure.underlying);
}

ErrorPtr rendererError(const MetalDeformationFailure& failure) { return makeError<MetalDeformationFailure>(failure); }

// What the export keeps between frames. The preparing thread draws, converts and keeps
// pictures for reuse; the encoding thread appends them and finishes the file. The
// writer is opened before either touches it, and its conversion and its encoder are
// used one thread each.
struct EncodingState {
    std::string path;
    VideoWriterSettings settings;
    std::int64_t canvasWidth = 0;
    std::int64_t canvasHeight = 0;
    std::vector<AnnotationObject> annotations;
    std::stop_token stop;
    std::unique_ptr<H264VideoWriter> writer;
    // Pictures that later frames show again, by the bits of their frame's scale: in a
    // file beside the video, or in memory where no such file can be made.
    std::unique_ptr<VideoPictureStore> storedPictures;
    std::unordered_map<std::uint32_t, VideoPicture> pictures;
    std::atomic<bool> failed{false};

    // False once the work has failed or is to stop; nothing more is then written.
    bool isLive() const { return !failed && !stop.stop_requested(); }

    VoidResult open() {
        auto created = H264VideoWriter::create(path, settings);
        if (!created.ok()) return writerError(created.error());
        writer = std::move(created).value();
        storedPictures =
            VideoPictureStore::create(std::filesystem::path(path).parent_path(), settings.width, settings.height);
        return {};
    }

    // The frame's picture: drawn on and converted when the frame rendered it, else the
    // one it reuses. The preparing thread.
    Result<VideoPicture> preparePicture(const AnimationVideoFrame& frame, QImage rendered) {
        const auto key = std::bit_cast<std::uint32_t>(frame.scale);
        if (!frame.rendersPicture) {
            VideoPicture picture = reusedPicture(key, frame.isLastOfPicture);
            if (picture.isNull()) return AnimationVideoFailure::make(AnimationVideoFailure::Case::frameCreationFailed);
            return picture;
        }
        // The writer reads B, G, R, A rows of exactly its size.
        if (rendered.size() != QSize(settings.width, settings.height)) {
            return AnimationVideoFailure::make(AnimationVideoFailure::Case::frameCreationFailed);
        }
        if (rendered.format() != QImage::Format_ARGB32_Premultiplied) {
            rendered.convertTo(QImage::Format_ARGB32_Premultiplied);
        }
        drawAnimationVideoAnnotations(rendered, canvasWidth, canvasHeight, annotations, frame.scale);
        auto made = writer->makePicture(rendered.constBits(), rendered.bytesPerLine());
        if (!made.ok()) return writerError(made.error());
        VideoPicture picture = std::move(made).value();
        if (!frame.isLastOfPicture && !(storedPictures && storedPictures->store(key, picture))) {
            pictures[key] = picture;
        }
        return picture;
    }

    // The encoding thread.
    VoidResult append(const VideoPicture& picture, std::int64_t frameIndex) {
        auto appended = writer->append(picture, frameIndex);
        if (!appended.ok()) return writerError(appended.error());
        return {};
    }

    VideoPicture reusedPicture(std::uint32_t key, bool isLastUse) {
        if (const auto kept = pictures.find(key); kept != pictures.end()) {
            VideoPicture picture = kept->second;
            if (isLastUse) pictures.erase(kept);
            return picture;
        }
        if (!storedPictures) return {};
        VideoPicture picture = storedPictures->load(key);
        if (isLastUse) storedPictures->release(key);
        return picture;
    }

    VoidResult finish() {
        auto finished = writer->finish();
        if (!finished.ok()) return writerError(finished.error());
        return {};
    }

    // The preparing thread lets go of the pictures, then the encoding thread closes the
    // file as it is, so that it can be removed.
    void abandonPictures() {
        storedPictures.reset();
        pictures.clear();
    }
    void abandonFile() { writer.reset(); }
};

// One run of the frame writer. It keeps itself alive until it has completed.
class FrameWriterOperation final : public std::enable_shared_from_this<FrameWriterOperation> {
public:
    FrameWriterOperation(std::shared_ptr<MetalDeformationRenderer> renderer, AnimationVideoSize size,
                         std::shared_ptr<EncodingState> encoding, AnimationVideoProgress progress,
                         AnimationVideoFramesCompletion completion)
        : renderer_(std::move(renderer)),
          size_(size),
          encoding_(std::move(encoding)),
          progress_(std::move(progress)),
          completion_(std::move(completion)),
          frames_(planAnimationVideoFrames()) {}

    void start() {
        self_ = shared_from_this();
        // A stop may come from any thread; the main thread acts on it.
        std::weak_ptr<FrameWriterOperation> weak = self_;
        stopCallback_.emplace(encoding_->stop, [weak] {
            postToMainThread([weak] {
                if (auto operation = weak.lock()) operation->fail(makeCancellationError());
            });
        });
        // Opened before the first picture is prepared, and so before the first is appended.
        onWorker(preparer_, [](EncodingState& state) -> std::optional<VoidResult> {
            if (!state.isLive()) return std::nullopt;
            return state.open();
        });
        requestFrames();
    }

private:
    struct PendingFrame {
        AnimationVideoFrame frame;
        bool isReady = false;
        QImage rendered;
    };

    // Runs `step` on the worker's thread; a failure it returns reaches fail() here.
    template <typename Step>
    void onWorker(SerialWorker& worker, Step step, std::function<void(FrameWriterOperation&)> done = {}) {
        std::weak_ptr<FrameWriterOperation> weak = self_;
        worker.post([weak, encoding = encoding_, step = std::move(step), done = std::move(done)]() mutable {
            std::optional<VoidResult> outcome = step(*encoding);
            if (!outcome) return;
            if (!outcome->ok()) encoding->failed = true;
            postToMainThread([weak, result = std::move(*outcome), done = std::move(done)] {
                auto operation = weak.lock();
                if (!operation) return;
                if (!result.ok()) {
                    operation->fail(result.error());
                } else if (done) {
                    done(*operation);
                }
            });
        });
    }

    void requestFrames() {
        while (!isEnding_ && nextFrame_ < frames_.size() && framesInFlight_ < kFramesInFlight) {
            const AnimationVideoFrame frame = frames_[nextFrame_++];
            ++framesInFlight_;
            pending_.push_back({frame, !frame.rendersPicture, QImage()});
            if (!frame.rendersPicture) continue;
            auto self = self_;
            renderer_->makeOutputImage(frame.scale, size_.width, size_.height,
                                       [self, index = frame.index](Result<QImage, MetalDeformationFailure> image) {
                                           self->frameRendered(index, std::move(image));
                                       });
        }
        handReadyFramesToPreparer();
    }

    void frameRendered(std::int64_t index, Result<QImage, MetalDeformationFailure> image) {
        if (isEnding_) return;
        if (!image.ok()) {
            fail(rendererError(image.error()));
            return;
        }
        for (PendingFrame& pending : pending_) {
            if (pending.frame.index != index) continue;
            pending.rendered = std::move(image).value();
            pending.isReady = true;
        }
        handReadyFramesToPreparer();
    }

    // Frames are prepared in order, each once its render is there, and go on to the
    // encoder in the same order; the encoder appends one while the next is prepared.
    void handReadyFramesToPreparer() {
        while (!isEnding_ && !pending_.empty() && pending_.front().isReady) {
            PendingFrame pending = std::move(pending_.front());
            pending_.pop_front();
            const std::int64_t index = pending.frame.index;
            auto prepared = std::make_shared<VideoPicture>();
            onWorker(
                preparer_,
                [frame = pending.frame, rendered = std::move(pending.rendered),
                 prepared](EncodingState& state) mutable -> std::optional<VoidResult> {
                    if (!state.isLive()) return std::nullopt;
                    Result<VideoPicture> picture = state.preparePicture(frame, std::move(rendered));
                    if (!picture.ok()) return VoidResult(picture.error());
                    *prepared = std::move(picture).value();
                    return VoidResult();
                },
                [index, prepared](FrameWriterOperation& operation) { operation.picturePrepared(index, *prepared); });
        }
    }

    void picturePrepared(std::int64_t index, const VideoPicture& picture) {
        if (isEnding_) return;
        onWorker(
            encoder_,
            [index, picture](EncodingState& state) -> std::optional<VoidResult> {
                if (!state.isLive()) return std::nullopt;
                return state.append(picture, index);
            },
            [index](FrameWriterOperation& operation) { operation.frameEncoded(index); });
    }

    void frameEncoded(std::int64_t index) {
        if (isEnding_) return;
        --framesInFlight_;
        report(static_cast<double>(index + 1) / AnimationVideoFormat::kFrameCount *
               AnimationVideoFormat::kFramesProgressPercent);
        if (index + 1 < AnimationVideoFormat::kFrameCount) {
            requestFrames();
            return;
        }
        onWorker(
            encoder_,
            [](EncodingState& state) -> std::optional<VoidResult> {
                if (!state.isLive()) return std::nullopt;
                return state.finish();
            },
            [](FrameWriterOperation& operation) { operation.succeed(); });
    }

    void succeed() {
        if (isEnding_) return;
        isEnding_ = true;
        report(AnimationVideoFormat::kFinishedProgressPercent);
        const AnimationVideoDescriptor descriptor{QSize(static_cast<int>(size_.width), static_cast<int>(size_.height)),
                                                  AnimationVideoFormat::kDurationSeconds};
        complete(descriptor);
    }

    // Ends the run: the preparing thread lets go of the pictures and then the encoding
    // thread of the file, so the caller may remove it at once.
    void fail(ErrorPtr error) {
        if (isEnding_) return;
        isEnding_ = true;
        pending_.clear();
        encoding_->failed = true;
        std::weak_ptr<FrameWriterOperation> weak = self_;
        preparer_.post([weak, encoding = encoding_, error] {
            encoding->abandonPictures();
            postToMainThread([weak, error] {
                auto operation = weak.lock();
                if (!operation) return;
                operation->encoder_.post([weak, encoding = operation->encoding_, error] {
                    encoding->abandonFile();
                    postToMainThread([weak, error] {
                        if (auto ended = weak.lock()) ended->complete(error);
                    });
                });
            });
        });
    }

    void report(double percent) {
        if (progress_) progress_(percent);
    }

    void complete(Result<AnimationVideoDescriptor> result) {
        auto completion = std::exchange(completion_, {});
        stopCallback_.reset();
        // Dropped on a later turn: this call may run inside the worker's last message.
        auto keepAlive = std::exchange(self_, nullptr);
        postToMainThread([keepAlive] {});
        if (completion) completion(std::move(result));
    }

    std::shared_ptr<MetalDeformationRenderer> renderer_;
    AnimationVideoSize size_;
    std::shared_ptr<EncodingState> encoding_;
    AnimationVideoProgress progress_;
    AnimationVideoFramesCompletion completion_;
    std::vector<AnimationVideoFrame> frames_;
    std::deque<PendingFrame> pending_;
    std::size_t nextFrame_ = 0;
    std::size_t framesInFlight_ = 0;
    bool isEnding_ = false;
    std::optional<std::stop_callback<std::function<void()>>> stopCallback_;
    std::shared_ptr<FrameWriterOperation> self_;
    SerialWorker preparer_{SerialWorker::Priority::batch};
    SerialWorker encoder_{SerialWorker::Priority::batch};
};

}  // namespace

void writeAnimationVideoFrames(const QString& path, std::shared_ptr<MetalDeformationRenderer> renderer,
                               std::int64_t canvasWidth, std::int64_t canvasHeight,
                               std::vector<AnnotationObject> annotations, std::stop_token stop,
                               AnimationVideoProgress progress, AnimationVideoFramesCompletion completion) {
    VLT_PRECONDITION(isMainThread(), "video frames are written from the GUI thread");
    auto failLater = [&completion](ErrorPtr error) {
        postToMainThread([completion = std::move(completion), error = std::move(error)] {
            if (completion) completion(error);
        });
    };
    if (!renderer) return failLater(AnimationVideoFailure::rendererUnavailable());
    auto size = AnimationVideoSize::forCanvas(canvasWidth, canvasHeight);
    if (!size.ok()) return failLater(size.error());
    if (stop.stop_requested()) return failLater(makeCancellationError());

    auto encoding = std::make_shared<EncodingState>();
    encoding->path = path.toStdString();
    encoding->settings =
        VideoWriterSettings{static_cast<int>(size.value().width), static_cast<int>(size.value().height),
                            AnimationVideoFormat::kFramesPerSecond, AnimationVideoFormat::kAverageBitRate,
                            encoderMemoryBudget(size.value().width, size.value().height)};
    encoding->canvasWidth = canvasWidth;
    encoding->canvasHeight = canvasHeight;
    encoding->annotations = std::move(annotations);
    encoding->stop = stop;
    auto operation = std::make_shared<FrameWriterOperation>(std::move(renderer), size.value(), std::move(encoding),
                                                            std::move(progress), std::move(completion));
    operation->start();
}

}  // namespace vlt
