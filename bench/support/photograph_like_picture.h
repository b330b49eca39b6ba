#pragma once

#include <vips/vips.h>

namespace vlt::bench {

// A smooth colour gradient with mild grain, in sRGB: compresses and decodes like a
// photograph rather than like flat colour or pure noise. A new reference for the
// caller to release; null, with libvips' error buffer filled, where it cannot be made.
VipsImage* makePhotographLikePicture(int width, int height);

}  // namespace vlt::bench
