#include "editing/renderer/presented_frame_image.h"

#include <memory>

#include <QColorSpace>

namespace vlt {

namespace {

void releaseFrame(void* frame) { delete static_cast<std::shared_ptr<const GpuTexture>*>(frame); }

}  // namespace

QImage presentedFrameImage(const GpuView& view) {
    std::shared_ptr<const GpuTexture> frame = view.presentedTexture();
    if (!frame) return {};
    QImage::Format format = QImage::Format_Invalid;
    switch (frame->pixelFormat()) {
    case GpuPixelFormat::bgra8UnormSrgb:
        format = QImage::Format_ARGB32_Premultiplied;
        break;
    case GpuPixelFormat::rgba8UnormSrgb:
        format = QImage::Format_RGBA8888_Premultiplied;
        break;
    case GpuPixelFormat::rg32Float:
        return {};
    }
    auto* holder = new std::shared_ptr<const GpuTexture>(frame);
    QImage image(frame->data(), static_cast<int>(frame->width()), static_cast<int>(frame->height()),
                 static_cast<qsizetype>(frame->rowBytes()), format, &releaseFrame, holder);
    image.setColorSpace(QColorSpace(QColorSpace::SRgb));
    return image;
}

}  // namespace vlt
