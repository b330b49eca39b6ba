#pragma once

#include <cstddef>

// The number of leading bytes that form valid UTF-8: a byte-order mark at the start
// (counted), then whole sequences up to a NUL, a byte that cannot start a sequence, a
// missing continuation byte or a sequence cut by the end. Process names from the kernel
// are cut at a fixed byte count, which may split a character.
size_t vtcrash_utf8_valid_length(const void* bytes, size_t length);
// The same over the string's bytes before its NUL.
size_t vtcrash_utf8_valid_length(const char* text);
