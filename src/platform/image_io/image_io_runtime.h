#pragma once

#include <cstdint>

namespace vlt {

// The decoding library is set up once per process, on first use from any thread: no
// operation cache (a file replaced on disk must never be answered from memory), one
// worker thread per picture.
void ensureImageIORuntime();

// The most memory a decoder may need for a whole-image buffer (progressive JPEG
// coefficients, interlaced PNG, HEIF, one TIFF strip or tile). A file that needs more
// is refused before any pixel is decoded.
inline constexpr std::uint64_t kMaximumDecoderBufferBytes = std::uint64_t(1) << 30;

}  // namespace vlt
