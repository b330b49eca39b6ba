#pragma once

// GLib names a struct member "signals", which Qt defines as a keyword: include this
// header before any Qt header.
#include <vips/vips.h>

#include <cstddef>
#include <span>

namespace vlt {

// Computes every pixel of `image` into one buffer of tightly packed rows (g_malloc'ed,
// the caller frees it with g_free), bands of `bandRows` output rows at a time, shared
// among up to `threads` threads that each pull their bands through regions of their
// own. Only for pipelines whose every source can be read anywhere, at any time and from
// any thread: then every output pixel depends on its position alone, and the bytes are
// those one libvips pipeline makes. Our own threads, not a libvips pool, so that a
// failing band stops the others without the pool's shutdown race. None on failure.
void* computeRowBands(VipsImage* image, int threads, int bandRows, std::size_t* size);

// Computes pipelines that each make a strip of columns of one picture, side by side,
// into one buffer of tightly packed rows (g_malloc'ed): each pipeline on a thread of its
// own (the first on the calling thread), its rows top to bottom, so that one that reads
// in sequence passes each row once. The pipelines are equally tall; the first starts at
// column 0 and each next one where the one before it ends. None on failure.
void* computeColumnStrips(std::span<VipsImage* const> strips, std::size_t* size);

}  // namespace vlt
