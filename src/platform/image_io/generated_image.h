#pragma once

// GLib names a struct member "signals", which Qt defines as a keyword: include this
// header before any Qt header.
#include <vips/vips.h>

#include "platform/image_io/vips_image_ref.h"

namespace vlt {

// An image without pixels of its own that carries the header and metadata of `image`
// (size, bands, sample format, colour profile and all), for images made from it later,
// after `image` itself is gone. None on failure.
VipsImageRef headerImageOf(VipsImage* image);

// A new image with the header and metadata of `header` whose pixels `generate` makes
// from `source`, each region by itself: read anywhere, at any row, from any thread, as
// long as `source` lives. None on failure.
VipsImageRef newGeneratedImage(VipsImage* header, VipsGenerateFn generate, void* source);

}  // namespace vlt
