#pragma once

#include <QImage>

#include "platform/gpu/gpu_view.h"

namespace vlt {

// The view's last presented frame as an image for painting, sharing the frame's
// memory (no copy); null before the first frame. While the image (or a copy of it)
// lives, the frame stays out of the view's ring, so it never changes under a paint.
// BGRA frames are Format_ARGB32_Premultiplied, RGBA frames
// Format_RGBA8888_Premultiplied, both sRGB.
QImage presentedFrameImage(const GpuView& view);

}  // namespace vlt
