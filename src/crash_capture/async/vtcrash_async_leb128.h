#pragma once

#include <cstddef>
#include <cstdint>

#include "crash_capture/async/vtcrash_error.h"

// LEB128 numbers (DWARF) and protobuf varints share one encoding: 7 bits per byte,
// least significant group first, the high bit set on every byte but the last.

// The most bytes a 64-bit number takes.
constexpr size_t VTCRASH_LEB128_MAX_BYTES = 10;

// Decodes from `bytes`, of which `available` may be read (the caller's checked window).
// A number that would need an eleventh byte gives VTCRASH_ERR_NOTSUP, one cut by the end
// of the window VTCRASH_ERR_INVAL. `out_size` receives the bytes consumed.
vtcrash_error_t vtcrash_async_uleb128_decode(const void* bytes, uint64_t available, uint64_t* out_value,
                                             uint64_t* out_size);
vtcrash_error_t vtcrash_async_sleb128_decode(const void* bytes, uint64_t available, int64_t* out_value,
                                             uint64_t* out_size);

// Writes `value` into `out` (room for VTCRASH_LEB128_MAX_BYTES) and returns the count.
size_t vtcrash_async_uleb128_encode(uint64_t value, uint8_t* out);
