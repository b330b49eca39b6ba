#include "crash_capture/async/vtcrash_async_dwarf_opstream.h"

#include "crash_capture/async/vtcrash_async_leb128.h"

vtcrash_error_t dwarf_opstream::init(const vtcrash_async_mobject* mobj, const vtcrash_async_byteorder* byteorder,
                                     uint64_t address, int64_t offset, uint64_t length) {
    uint64_t start = 0;
    uint64_t end = 0;
    if (!vtcrash_async_address_apply_offset(address, offset, &start)) return VTCRASH_ERR_INVAL;
    if (__builtin_add_overflow(start, length, &end)) return VTCRASH_ERR_INVAL;
    // An empty run needs no bytes of the window, only a place in it.
    const void* local = vtcrash_async_mobject_remap_address(mobj, start, 0, length);
    if (local == nullptr) return VTCRASH_ERR_INVAL;
    byteorder_ = byteorder;
    start_ = static_cast<const uint8_t*>(local);
    end_ = start_ + length;
    position_ = start_;
    start_task_address_ = start;
    return VTCRASH_OK;
}

bool dwarf_opstream::read_uint16(uint16_t* out) {
    uint16_t raw = 0;
    if (!read_raw(&raw)) return false;
    *out = byteorder_->swap16(raw);
    return true;
}

bool dwarf_opstream::read_uint32(uint32_t* out) {
    uint32_t raw = 0;
    if (!read_raw(&raw)) return false;
    *out = byteorder_->swap32(raw);
    return true;
}

bool dwarf_opstream::read_uint64(uint64_t* out) {
    uint64_t raw = 0;
    if (!read_raw(&raw)) return false;
    *out = byteorder_->swap64(raw);
    return true;
}

bool dwarf_opstream::read_uleb128(uint64_t* out) {
    uint64_t size = 0;
    if (vtcrash_async_uleb128_decode(position_, remaining(), out, &size) != VTCRASH_OK) return false;
    position_ += size;
    return true;
}

bool dwarf_opstream::read_sleb128(int64_t* out) {
    uint64_t size = 0;
    if (vtcrash_async_sleb128_decode(position_, remaining(), out, &size) != VTCRASH_OK) return false;
    position_ += size;
    return true;
}

bool dwarf_opstream::skip(uint64_t count) {
    if (count > remaining()) return false;
    position_ += count;
    return true;
}

bool dwarf_opstream::seek_relative(int64_t delta) {
    const int64_t behind = position_ - start_;
    const int64_t ahead = end_ - position_;
    if (delta < -behind || delta > ahead) return false;
    position_ += delta;
    return true;
}
