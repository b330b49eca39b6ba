#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QImage>

#include "editing/engine/brush_stamp.h"
#include "editing/engine/deformation_tile_snapshot.h"
#include "editing/engine/deformation_tile_upload.h"
#include "editing/engine/pixel_region.h"
#include "editing/renderer/drawn_frame_history.h"
#include "editing/renderer/frame_cost_estimate.h"
#include "editing/renderer/metal_deformation_failure.h"
#include "editing/renderer/metal_render_pane.h"
#include "base/result.h"
#include "platform/gpu/gpu_device.h"
#include "platform/gpu/gpu_view.h"

namespace vlt {

// The compute side of one editing canvas: the canvas image as a texture, the
// displacement field the brushes write, and the pipelines of the shader library.
// It composes brush stamps into the field, draws the editor's panes, renders output
// images and moves field tiles to and from the tile history.
//
// GUI thread only. All work goes through one in-order command queue and is
// committed without waiting; results come back on the GUI thread. Nothing the
// renderer hands to a completion refers to the renderer, so it may be destroyed
// while work is in flight.
class MetalDeformationRenderer {
public:
    using OutputImageCompletion = std::function<void(Result<QImage, MetalDeformationFailure>)>;
    using TileReadbackCompletion =
        std::function<void(Result<std::vector<DeformationTileSnapshot>, MetalDeformationFailure>)>;
    using TileUploadCompletion = std::function<void(Result<void, MetalDeformationFailure>)>;

    // Builds everything for a canvas image (any format; it is converted once to
    // 8-bit sRGB) and clears the field. colorPixelFormat is the format of the
    // drawables that draw() will be given.
    static Result<std::unique_ptr<MetalDeformationRenderer>, MetalDeformationFailure> create(
        std::shared_ptr<GpuDevice> device, const QImage& canvasImage, GpuPixelFormat colorPixelFormat);

    MetalDeformationRenderer(const MetalDeformationRenderer&) = delete;
    MetalDeformationRenderer& operator=(const MetalDeformationRenderer&) = delete;

    std::int64_t width() const { return width_; }
    std::int64_t height() const { return height_; }

    // Composes the stamps into the field in order, each seeing the ones before it.
    // A failure leaves the field as it was.
    Result<void, MetalDeformationFailure> apply(const std::vector<BrushStamp>& stamps);

    Result<void, MetalDeformationFailure> clearDisplacement();

    // The stamp work (FrameCostEstimate::stampWork) that, as frames have lately gone
    // here, composes beside the frame's draw in a frame of this many seconds; none
    // before a composition has run.
    std::optional<std::int64_t> compositionWorkWithin(double frameSeconds);

    // Draws one frame into the view's next drawable and presents it: the workspace
    // background, then each pane's background and image under its clip. A frame
    // that cannot be drawn (no free drawable, no command buffer) is skipped.
    void draw(GpuView& view, const std::vector<MetalRenderPane>& panes, double backingScale);

    // The drawable pixels in which the frame tagged `newer` can differ from the earlier
    // one tagged `older` (their textures' contentsTag), which lets a painter redraw
    // just those; none when that is not known, and then any pixel may differ.
    std::optional<QRect> changedPixels(std::uint64_t older, std::uint64_t newer) const;

    // Whether every frame draw() makes is opaque: the workspace is, and so is the
    // image when the canvas has no transparent pixel.
    bool drawsOpaqueFrames() const { return drawsOpaqueFrames_; }

    // Whether the last frame handed to draw() is still waiting for or being drawn.
    bool isDrawingFrame() const;

    // Renders the whole canvas at the given scale (clamped to [0, 1]) into an image
    // of the requested size: Format_ARGB32_Premultiplied (B, G, R, A in memory),
    // sRGB. The completion runs once on the GUI thread, never inside this call.
    void makeOutputImage(float displacementScale, std::int64_t outputWidth, std::int64_t outputHeight,
                         OutputImageCompletion completion);

    // Copies field rectangles (inside the canvas) to the CPU. A failure while
    // encoding is returned and nothing runs. Otherwise the completion runs once on
    // the GUI thread (at once for an empty list) with the snapshots in region order,
    // or with commandExecution when the copies did not run: unverified bytes are
    // never handed on.
    Result<void, MetalDeformationFailure> readTiles(std::vector<PixelRegion> regions,
                                                    TileReadbackCompletion completion);

    // Writes rectangles into the field; absent bytes write zeros. Reports like
    // readTiles; the completion receives commandExecution when the writes did not
    // run, so the field may not hold what the caller believes.
    Result<void, MetalDeformationFailure> upload(std::vector<DeformationTileUpload> tiles,
                                                 TileUploadCompletion completion);

    // Blocks until all committed work has run (benchmarks and tests).
    void waitUntilScheduledWorkCompleted();

    // The scratch texture's size, none before the first stamp.
    std::optional<GpuSize> scratchTextureSize() const;

private:
    MetalDeformationRenderer() = default;

    Result<void, MetalDeformationFailure> ensureScratchTexture(std::int64_t width, std::int64_t height);
    // Learns from the compositions and draws that finished since the last look.
    void measureFinishedWork();
    void markOccupancy(GpuBlitEncoder& blit, const PixelRegion& region, std::uint8_t value) const;
    void markUploadOccupancy(GpuBlitEncoder& blit, const DeformationTileUpload& tile) const;

    std::shared_ptr<GpuDevice> device_;
    std::int64_t width_ = 0;
    std::int64_t height_ = 0;
    std::shared_ptr<GpuCommandQueue> commandQueue_;
    std::shared_ptr<GpuTexture> sourceTexture_;
    std::shared_ptr<GpuTexture> displacementTexture_;
    bool drawsOpaqueFrames_ = false;
    // Which 128-pixel tiles of the field may be non-zero; kept up to date by the
    // same command stream that changes the field.
    std::shared_ptr<GpuBuffer> occupancyBuffer_;
    std::shared_ptr<GpuComputePipeline> clearPipeline_;
    std::shared_ptr<GpuComputePipeline> compositionPipeline_;
    std::shared_ptr<GpuRenderPipeline> imagePipeline_;
    std::shared_ptr<GpuRenderPipeline> backgroundPipeline_;
    // The image pipeline for output images when drawables use another format.
    std::shared_ptr<GpuRenderPipeline> outputImagePipeline_;
    std::shared_ptr<GpuTexture> scratchTexture_;
    // Compositions (with their stamp work) and frame draws (no work) committed and
    // not yet measured.
    struct CommittedWork {
        std::shared_ptr<GpuCommandBuffer> commands;
        std::int64_t stampWork = 0;
    };
    void rememberCommittedWork(std::shared_ptr<GpuCommandBuffer> commands, std::int64_t stampWork);
    std::vector<CommittedWork> committedWork_;
    FrameCostEstimate frameCost_;
    // The work of the last frame drawn, to tell whether it has finished.
    std::shared_ptr<GpuCommandBuffer> lastFrameCommands_;
    // Frames drawn lately, so that a frame redraws only what the field changed.
    DrawnFrameHistory drawnFrames_;
    // The layout of the frame being drawn, kept to reuse its storage.
    DrawnFrameLayout frameLayout_;
};

}  // namespace vlt
