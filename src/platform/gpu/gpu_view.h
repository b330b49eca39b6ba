#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/gpu/gpu_device.h"
#include "platform/gpu/gpu_render_pass_descriptor.h"
#include "platform/gpu/gpu_texture.h"

namespace vlt {

class GpuView;

// One frame's target of a GpuView. Presenting it (through the command buffer that
// draws it) makes it the view's shown frame once that work has run, or, while the
// view paces its frames, its frame held for the next hand-over.
class GpuDrawable {
public:
    const std::shared_ptr<GpuTexture>& texture() const { return texture_; }

    // Called by the command queue when the work before the present has run.
    void presentNow() const;

private:
    friend class GpuView;
    struct Shared;

    GpuDrawable(std::shared_ptr<GpuTexture> texture, std::weak_ptr<Shared> view)
        : texture_(std::move(texture)), view_(std::move(view)) {}

    std::shared_ptr<GpuTexture> texture_;
    std::weak_ptr<Shared> view_;
};

// The drawing surface of a widget: a small ring of frame textures. A frame is
// drawn into a free one and presented; the widget paints the last presented frame,
// which is never handed out for drawing while it is shown.
//
// Paced, a finished frame is not shown when its work ends but held until the owner
// hands it over at the display's tick, so that frames reach the window at a steady
// pace however long each took to draw. Only the newest finished frame is held: an
// older one that was never handed over is dropped unseen, so frames stay in order.
class GpuView {
public:
    static constexpr int kMaximumDrawableCount = 3;

    // The device may be null (a view without a device draws nothing).
    explicit GpuView(std::shared_ptr<GpuDevice> device,
                     GpuPixelFormat colorPixelFormat = GpuPixelFormat::bgra8UnormSrgb);

    const std::shared_ptr<GpuDevice>& device() const { return device_; }
    GpuPixelFormat colorPixelFormat() const { return colorPixelFormat_; }

    // The widget's size in points and its backing store's size in pixels.
    void setBoundsSize(double width, double height);
    double boundsWidth() const { return boundsWidth_; }
    double boundsHeight() const { return boundsHeight_; }
    void setDrawableSize(std::int64_t width, std::int64_t height);
    std::int64_t drawableWidth() const { return drawableWidth_; }
    std::int64_t drawableHeight() const { return drawableHeight_; }

    void setClearColor(const GpuClearColor& color) { clearColor_ = color; }
    const GpuClearColor& clearColor() const { return clearColor_; }
    void setLoadAction(GpuLoadAction action) { loadAction_ = action; }

    // A free frame texture of the drawable size; null when the size is empty, there
    // is no device, or every frame texture is still in flight or shown.
    std::shared_ptr<GpuDrawable> nextDrawable();
    // The pass that draws into the drawable with the view's load action and colour.
    GpuRenderPassDescriptor renderPassDescriptor(const GpuDrawable& drawable) const;

    // The last presented frame (null before the first), for painting. Holding it
    // keeps it out of the ring until released.
    std::shared_ptr<const GpuTexture> presentedTexture() const;
    std::uint64_t presentedFrameCount() const;

    // Runs on the GUI thread after a present, e.g. to schedule a repaint, and after a
    // paced frame finished and is held; frames finished while a call is pending
    // share it.
    void setPresentedHandler(std::function<void()> handler);

    // GUI thread. While paced, presented frames are held for handOver(). Turning it
    // off shows the held frame at once (with the handler's notification), and later
    // presents show their frames as their work ends.
    void setPacedPresentation(bool paced);
    bool isPacedPresentation() const;
    // Shows the held frame; false when none is held.
    bool handOver();
    bool hasHeldFrame() const;

private:
    std::shared_ptr<GpuDevice> device_;
    GpuPixelFormat colorPixelFormat_;
    double boundsWidth_ = 0.0;
    double boundsHeight_ = 0.0;
    std::int64_t drawableWidth_ = 0;
    std::int64_t drawableHeight_ = 0;
    GpuClearColor clearColor_;
    GpuLoadAction loadAction_ = GpuLoadAction::clear;
    // Drawables are kept and handed out again, so a frame allocates nothing.
    std::vector<std::shared_ptr<GpuDrawable>> ring_;
    std::shared_ptr<GpuDrawable::Shared> shared_;
};

}  // namespace vlt
