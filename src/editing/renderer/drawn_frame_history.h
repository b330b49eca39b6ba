#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include <QRectF>

#include "editing/engine/pixel_region.h"
#include "editing/renderer/metal_render_pane.h"
#include "platform/gpu/gpu_render_pass_descriptor.h"
#include "platform/gpu/gpu_texture.h"
#include "platform/gpu/gpu_view.h"

namespace vlt {

// Everything a drawn frame depends on apart from the field and the canvas image.
// Two frames with equal layouts differ only where the field changed between them.
struct DrawnFrameLayout {
    std::int64_t drawableWidth = 0;
    std::int64_t drawableHeight = 0;
    double boundsWidth = 0.0;
    double boundsHeight = 0.0;
    double backingScale = 0.0;
    GpuLoadAction loadAction = GpuLoadAction::clear;
    GpuClearColor clearColor;
    std::vector<MetalRenderPane> panes;

    friend bool operator==(const DrawnFrameLayout&, const DrawnFrameLayout&) = default;
};

// The last few frames drawn into a view's drawables and where the field changed
// since each, so that a frame drawn into a drawable that still shows one of them
// redraws only the part of the image that can differ. During a brush stroke that
// is the stamps' neighbourhood instead of the whole view.
class DrawnFrameHistory {
public:
    // Twice what a view hands out: the drawable shown longest is still known, and so
    // is a frame whose drawable was drawn into again before its successor was painted.
    static constexpr std::size_t kRememberedFrames = 2 * GpuView::kMaximumDrawableCount;

    struct Reuse {
        // The frame the target is expected to show (GpuTexture::contentsTag).
        std::uint64_t expectedContents = GpuTexture::kUnknownContents;
        // Where the field changed since; no pixels when it did not change.
        PixelRegion changedField;
    };

    struct Start {
        // The tag of the new frame.
        std::uint64_t contentsTag = GpuTexture::kUnknownContents;
        // None: draw everything.
        std::optional<Reuse> reuse;
    };

    // Field texels that changed after every remembered frame was encoded.
    void fieldChanged(const PixelRegion& region);
    void fieldChangedEverywhere();

    // A frame about to be encoded into target; it takes the place of the frame the
    // target showed.
    Start startFrame(const GpuTexture& target, const DrawnFrameLayout& layout);

    // At least where the frame tagged `newer` can differ from the one tagged `older`
    // (GpuTexture::contentsTag): the field texels changed since `older` was encoded,
    // when both frames are still remembered, `newer` came later, both have the same
    // layout and nothing changed everywhere since. None otherwise.
    std::optional<PixelRegion> fieldChangedBetween(std::uint64_t older, std::uint64_t newer) const;
    // The layout a remembered frame was drawn with; null once it is forgotten.
    const DrawnFrameLayout* layoutOf(std::uint64_t contentsTag) const;

private:
    struct Frame;
    const Frame* find(std::uint64_t contentsTag) const;

    struct Frame {
        const GpuTexture* target = nullptr;
        std::uint64_t contentsTag = GpuTexture::kUnknownContents;
        std::uint64_t age = 0;
        DrawnFrameLayout layout;
        bool changedEverywhere = false;
        PixelRegion changedField;
    };

    std::array<Frame, kRememberedFrames> frames_;
    std::uint64_t clock_ = 0;
};

// The target pixels of an image drawn over imageRect (target pixels) whose field
// sample touches a texel of changedField (canvas pixels), widened by a margin of
// whole pixels so rounding never leaves one out. Not clipped to any target; empty
// when changedField has no pixels.
GpuScissorRect pixelsSamplingField(const PixelRegion& changedField, const QRectF& imageRect, std::int64_t canvasWidth,
                                   std::int64_t canvasHeight);

}  // namespace vlt
