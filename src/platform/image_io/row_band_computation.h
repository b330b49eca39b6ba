#pragma once

// GLib names a struct member "signals", which Qt defines as a keyword: include this
// header before any Qt header.
#include <vips/vips.h>

#include <cstddef>

namespace vlt {

// Computes every pixel of `image` into one buffer of tightly packed rows (g_malloc'ed,
// the caller frees it with g_free), bands of `bandRows` output rows at a time, shared
// among up to `threads` threads that each pull their bands through regions of their
// own. Only for pipelines whose every source can be read anywhere, at any time and from
// any thread: then every output pixel depends on its position alone, and the bytes are
// those one libvips pipeline makes. Our own threads, not a libvips pool, so that a
// failing band stops the others without the pool's shutdown race. None on failure.
void* computeRowBands(VipsImage* image, int threads, int bandRows, std::size_t* size);

}  // namespace vlt
