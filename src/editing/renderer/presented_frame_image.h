#pragma once

#include <QImage>

#include "platform/gpu/gpu_view.h"

namespace vlt {

// Whether every pixel of the frames is known to be opaque.
enum class FrameOpacity { mayBeTransparent, opaque };

// The view's last presented frame as an image for painting, sharing the frame's
// memory (no copy); null before the first frame. While the image (or a copy of it)
// lives, the frame stays out of the view's ring, so it never changes under a paint.
// BGRA frames are Format_ARGB32_Premultiplied, RGBA frames
// Format_RGBA8888_Premultiplied; opaque ones Format_RGB32 and Format_RGBX8888, the
// layouts a window's backing store takes as a plain copy. The pixels are sRGB codes;
// no colour space is attached, since attaching one would copy the frame.
QImage presentedFrameImage(const GpuView& view, FrameOpacity opacity = FrameOpacity::mayBeTransparent);

}  // namespace vlt
