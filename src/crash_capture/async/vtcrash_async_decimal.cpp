#include "crash_capture/async/vtcrash_async_decimal.h"

size_t vtcrash_async_format_int64(int64_t value, char* buffer, size_t size) {
    // The magnitude of the most negative value still fits an unsigned word.
    uint64_t magnitude = value < 0 ? ~static_cast<uint64_t>(value) + 1 : static_cast<uint64_t>(value);
    char digits[VTCRASH_DECIMAL_INT64_SIZE];
    size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    const size_t length = count + (value < 0 ? 1 : 0);
    if (length + 1 > size) return 0;
    size_t at = 0;
    if (value < 0) buffer[at++] = '-';
    while (count > 0) buffer[at++] = digits[--count];
    buffer[at] = '\0';
    return length;
}
