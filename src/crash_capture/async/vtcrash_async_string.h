#pragma once

#include <cstddef>

// Library replacements for crash time: no locale, no allocation, plain byte loops.

// The difference of the first differing bytes (as unsigned), 0 when equal.
int vtcrash_async_strcmp(const char* a, const char* b);
// As above over at most n bytes, stopping at a NUL.
int vtcrash_async_strncmp(const char* a, const char* b, size_t n);
size_t vtcrash_async_strlen(const char* text);
void* vtcrash_async_memcpy(void* dest, const void* src, size_t n);
void* vtcrash_async_memset(void* dest, unsigned char value, size_t n);
