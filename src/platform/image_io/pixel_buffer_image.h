#pragma once

// GLib names a struct member "signals", which Qt defines as a keyword: include this
// header before any Qt header.
#include <vips/vips.h>

#include "platform/image_io/vips_image_ref.h"

namespace vlt {

// An image of `width` × `height` tightly packed pixels already made, in the layout of
// `header` (bands, sample format), with its metadata (colour profile and all). It takes
// the g_malloc'ed `pixels`, freed with the image or here on failure. Readable anywhere,
// from any thread.
VipsImageRef newPixelBufferImage(VipsImage* header, int width, int height, void* pixels);

}  // namespace vlt
