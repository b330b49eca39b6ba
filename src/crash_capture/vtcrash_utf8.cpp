#include "crash_capture/vtcrash_utf8.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr uint8_t kByteOrderMark[] = {0xEF, 0xBB, 0xBF};

// The continuation bytes a lead byte announces, or -1 for a byte that starts nothing.
int continuationCount(uint8_t lead) {
    if (lead < 0x80) return 0;
    if ((lead & 0xE0) == 0xC0) return 1;
    if ((lead & 0xF0) == 0xE0) return 2;
    if ((lead & 0xF8) == 0xF0) return 3;
    return -1;
}

}  // namespace

size_t vtcrash_utf8_valid_length(const void* bytes, size_t length) {
    const auto* text = static_cast<const uint8_t*>(bytes);
    size_t valid = 0;
    if (length >= sizeof kByteOrderMark && std::memcmp(text, kByteOrderMark, sizeof kByteOrderMark) == 0) {
        valid = sizeof kByteOrderMark;
    }
    while (valid < length && text[valid] != 0) {
        const int continuations = continuationCount(text[valid]);
        if (continuations < 0 || length - valid <= static_cast<size_t>(continuations)) break;
        bool whole = true;
        for (int index = 1; index <= continuations; ++index) whole = whole && (text[valid + index] & 0xC0) == 0x80;
        if (!whole) break;
        valid += static_cast<size_t>(continuations) + 1;
    }
    return valid;
}

size_t vtcrash_utf8_valid_length(const char* text) { return vtcrash_utf8_valid_length(text, std::strlen(text)); }
