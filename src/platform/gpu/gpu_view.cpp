#include "platform/gpu/gpu_view.h"

#include <algorithm>

#include "base/main_thread.h"
#include "base/precondition.h"

namespace vlt {

// What the queue's worker and the GUI thread share about a view.
struct GpuDrawable::Shared {
    mutable std::mutex mutex;
    std::shared_ptr<GpuTexture> presented;
    std::uint64_t presentedCount = 0;
    bool paced = false;
    // The newest paced frame whose work has run, waiting for its hand-over.
    std::shared_ptr<GpuTexture> held;
    std::function<void()> presentedHandler;
    // A notification is on its way to the GUI thread; frames presented before it
    // runs need no other.
    bool notificationPending = false;

    // Called with the mutex held.
    void show(std::shared_ptr<GpuTexture> texture) {
        presented = std::move(texture);
        ++presentedCount;
    }
    // Called with the mutex held; true when the caller is to post a notification
    // once it has let go of the mutex.
    bool takeNotification() {
        if (!presentedHandler || notificationPending) return false;
        notificationPending = true;
        return true;
    }
    // Called without the mutex: the GUI thread, woken by the post, may run at once
    // on this processor and take the mutex; were it still held, the GUI thread would
    // wait for this thread's next turn, which a busy machine can put milliseconds away.
    static void postNotification(const std::weak_ptr<Shared>& weakView);
};

void GpuDrawable::Shared::postNotification(const std::weak_ptr<Shared>& weakView) {
    postToMainThread([weakView] {
        std::shared_ptr<Shared> shared = weakView.lock();
        if (!shared) return;
        std::function<void()> handler;
        {
            std::lock_guard lock(shared->mutex);
            shared->notificationPending = false;
            handler = shared->presentedHandler;
        }
        if (handler) handler();
    });
}

void GpuDrawable::presentNow() const {
    std::shared_ptr<Shared> view = view_.lock();
    if (!view) return;
    bool notifies = false;
    {
        std::lock_guard lock(view->mutex);
        if (view->paced) {
            // A frame held from before is older and is dropped unseen.
            view->held = texture_;
        } else {
            view->show(texture_);
        }
        notifies = view->takeNotification();
    }
    if (notifies) Shared::postNotification(view_);
}

GpuView::GpuView(std::shared_ptr<GpuDevice> device, GpuPixelFormat colorPixelFormat)
    : device_(std::move(device)),
      colorPixelFormat_(colorPixelFormat),
      shared_(std::make_shared<GpuDrawable::Shared>()) {}

void GpuView::setBoundsSize(double width, double height) {
    boundsWidth_ = width;
    boundsHeight_ = height;
}

void GpuView::setDrawableSize(std::int64_t width, std::int64_t height) {
    drawableWidth_ = std::max<std::int64_t>(width, 0);
    drawableHeight_ = std::max<std::int64_t>(height, 0);
}

std::shared_ptr<GpuDrawable> GpuView::nextDrawable() {
    if (!device_ || drawableWidth_ == 0 || drawableHeight_ == 0) return nullptr;
    if (device_->faultInjector().shouldFail(GpuFaultPoint::drawable)) return nullptr;
    std::lock_guard lock(shared_->mutex);
    // Free: only the ring holds the drawable and only the drawable its texture (no
    // frame in flight, not shown, not being painted).
    auto isFree = [](const std::shared_ptr<GpuDrawable>& drawable) {
        return drawable.use_count() == 1 && drawable->texture().use_count() == 1;
    };
    std::erase_if(ring_, [&](const std::shared_ptr<GpuDrawable>& drawable) {
        const GpuTexture& texture = *drawable->texture();
        return isFree(drawable) && (texture.width() != drawableWidth_ || texture.height() != drawableHeight_ ||
                                    texture.pixelFormat() != colorPixelFormat_);
    });
    auto found = std::find_if(ring_.begin(), ring_.end(), isFree);
    if (found != ring_.end()) return *found;
    if (static_cast<int>(ring_.size()) >= kMaximumDrawableCount) return nullptr;
    std::shared_ptr<GpuTexture> texture =
        device_->makeTexture({colorPixelFormat_, drawableWidth_, drawableHeight_,
                              GpuTextureUsage::renderTarget | GpuTextureUsage::shaderRead});
    if (!texture) return nullptr;
    ring_.push_back(std::shared_ptr<GpuDrawable>(new GpuDrawable(std::move(texture), shared_)));
    return ring_.back();
}

GpuRenderPassDescriptor GpuView::renderPassDescriptor(const GpuDrawable& drawable) const {
    return GpuRenderPassDescriptor{drawable.texture(), loadAction_, clearColor_};
}

std::shared_ptr<const GpuTexture> GpuView::presentedTexture() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->presented;
}

std::uint64_t GpuView::presentedFrameCount() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->presentedCount;
}

void GpuView::setPresentedHandler(std::function<void()> handler) {
    std::lock_guard lock(shared_->mutex);
    shared_->presentedHandler = std::move(handler);
}

void GpuView::setPacedPresentation(bool paced) {
    VLT_PRECONDITION(isMainThread(), "frames are paced on the GUI thread");
    {
        std::lock_guard lock(shared_->mutex);
        shared_->paced = paced;
        if (paced || !shared_->held) return;
        shared_->show(std::move(shared_->held));
        if (!shared_->takeNotification()) return;
    }
    GpuDrawable::Shared::postNotification(shared_);
}

bool GpuView::isPacedPresentation() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->paced;
}

bool GpuView::handOver() {
    VLT_PRECONDITION(isMainThread(), "frames are handed over on the GUI thread");
    std::lock_guard lock(shared_->mutex);
    if (!shared_->held) return false;
    shared_->show(std::move(shared_->held));
    return true;
}

bool GpuView::hasHeldFrame() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->held != nullptr;
}

}  // namespace vlt
