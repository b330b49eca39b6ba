#include "crash_capture/async/vtcrash_async_leb128.h"

namespace {

constexpr uint8_t kContinuation = 0x80;
constexpr uint8_t kPayload = 0x7f;
constexpr uint8_t kSignBit = 0x40;
constexpr unsigned kBitsPerByte = 7;
// A continuation at this shift would need an eleventh byte.
constexpr unsigned kLastShift = 63;

// The common loop: the value's bits, the last byte read and the shift after it.
vtcrash_error_t decode(const void* bytes, uint64_t available, uint64_t* value, uint8_t* last, unsigned* shift,
                       uint64_t* size) {
    const auto* input = static_cast<const uint8_t*>(bytes);
    *value = 0;
    *shift = 0;
    for (uint64_t index = 0;; ++index) {
        if (index >= available) return VTCRASH_ERR_INVAL;
        const uint8_t byte = input[index];
        *value |= static_cast<uint64_t>(byte & kPayload) << *shift;
        if ((byte & kContinuation) == 0) {
            *last = byte;
            *shift += kBitsPerByte;
            *size = index + 1;
            return VTCRASH_OK;
        }
        if (*shift >= kLastShift) return VTCRASH_ERR_NOTSUP;
        *shift += kBitsPerByte;
    }
}

}  // namespace

vtcrash_error_t vtcrash_async_uleb128_decode(const void* bytes, uint64_t available, uint64_t* out_value,
                                             uint64_t* out_size) {
    uint64_t value = 0;
    uint64_t size = 0;
    uint8_t last = 0;
    unsigned shift = 0;
    const vtcrash_error_t result = decode(bytes, available, &value, &last, &shift, &size);
    if (result != VTCRASH_OK) return result;
    *out_value = value;
    if (out_size != nullptr) *out_size = size;
    return VTCRASH_OK;
}

vtcrash_error_t vtcrash_async_sleb128_decode(const void* bytes, uint64_t available, int64_t* out_value,
                                             uint64_t* out_size) {
    uint64_t value = 0;
    uint64_t size = 0;
    uint8_t last = 0;
    unsigned shift = 0;
    const vtcrash_error_t result = decode(bytes, available, &value, &last, &shift, &size);
    if (result != VTCRASH_OK) return result;
    if (shift < 64 && (last & kSignBit) != 0) value |= ~uint64_t{0} << shift;
    *out_value = static_cast<int64_t>(value);
    if (out_size != nullptr) *out_size = size;
    return VTCRASH_OK;
}

size_t vtcrash_async_uleb128_encode(uint64_t value, uint8_t* out) {
    size_t count = 0;
    do {
        uint8_t byte = value & kPayload;
        value >>= kBitsPerByte;
        if (value != 0) byte |= kContinuation;
        out[count++] = byte;
    } while (value != 0);
    return count;
}
