#pragma once

#include <cstddef>
#include <cstdint>

// Decimal text of an integer for crash time, where snprintf is not safe to call.

// Room for the sign, 19 digits and the NUL.
constexpr size_t VTCRASH_DECIMAL_INT64_SIZE = 21;

// Writes `value` and a NUL into `buffer` when `size` has room and returns the number of
// characters without the NUL; writes nothing and returns 0 when it has not.
size_t vtcrash_async_format_int64(int64_t value, char* buffer, size_t size);
