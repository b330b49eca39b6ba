#pragma once

#include <cstdint>

#include "crash_capture/async/vtcrash_async_byteorder.h"
#include "crash_capture/async/vtcrash_async_mobject.h"
#include "crash_capture/async/vtcrash_error.h"

// A run of DWARF instruction bytes (call frame instructions or an expression), checked
// once against its window; every read then stays between its start and end.
class dwarf_opstream {
public:
    // VTCRASH_ERR_INVAL when address + offset or + length wraps or the bytes lie
    // outside the window.
    vtcrash_error_t init(const vtcrash_async_mobject* mobj, const vtcrash_async_byteorder* byteorder, uint64_t address,
                         int64_t offset, uint64_t length);

    bool at_end() const { return position_ >= end_; }
    // The task address of the next byte.
    uint64_t task_address() const { return start_task_address_ + static_cast<uint64_t>(position_ - start_); }
    uint64_t remaining() const { return static_cast<uint64_t>(end_ - position_); }

    // Each read moves past what it read and fails, moving nothing, past the end.
    bool read_uint8(uint8_t* out) { return read_raw(out); }
    bool read_uint16(uint16_t* out);
    bool read_uint32(uint32_t* out);
    bool read_uint64(uint64_t* out);
    bool read_uleb128(uint64_t* out);
    bool read_sleb128(int64_t* out);
    bool skip(uint64_t count);
    // Moves by `delta` from the current position; the target may be the end itself.
    bool seek_relative(int64_t delta);

private:
    template <typename T>
    bool read_raw(T* out) {
        if (remaining() < sizeof(T)) return false;
        __builtin_memcpy(out, position_, sizeof(T));
        position_ += sizeof(T);
        return true;
    }

    const vtcrash_async_byteorder* byteorder_ = nullptr;
    const uint8_t* start_ = nullptr;
    const uint8_t* end_ = nullptr;
    const uint8_t* position_ = nullptr;
    uint64_t start_task_address_ = 0;
};
