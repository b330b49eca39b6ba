#include "editing/renderer/presented_frame_image.h"

#include <memory>

namespace vlt {

namespace {

void releaseFrame(void* frame) { delete static_cast<std::shared_ptr<const GpuTexture>*>(frame); }

}  // namespace

QImage presentedFrameImage(const GpuView& view, FrameOpacity opacity) {
    std::shared_ptr<const GpuTexture> frame = view.presentedTexture();
    if (!frame) return {};
    const bool opaque = opacity == FrameOpacity::opaque;
    QImage::Format format = QImage::Format_Invalid;
    switch (frame->pixelFormat()) {
    case GpuPixelFormat::bgra8UnormSrgb:
        format = opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
        break;
    case GpuPixelFormat::rgba8UnormSrgb:
        format = opaque ? QImage::Format_RGBX8888 : QImage::Format_RGBA8888_Premultiplied;
        break;
    case GpuPixelFormat::rg32Float:
        return {};
    }
    // Read-only memory: whoever would change the image gets a copy of its own.
    auto* holder = new std::shared_ptr<const GpuTexture>(frame);
    return QImage(frame->data(), static_cast<int>(frame->width()), static_cast<int>(frame->height()),
                  static_cast<qsizetype>(frame->rowBytes()), format, &releaseFrame, holder);
}

}  // namespace vlt
