#include "crash_capture/async/vtcrash_async_string.h"

int vtcrash_async_strcmp(const char* a, const char* b) {
    const auto* left = reinterpret_cast<const unsigned char*>(a);
    const auto* right = reinterpret_cast<const unsigned char*>(b);
    while (*left != 0 && *left == *right) {
        ++left;
        ++right;
    }
    return static_cast<int>(*left) - static_cast<int>(*right);
}

int vtcrash_async_strncmp(const char* a, const char* b, size_t n) {
    const auto* left = reinterpret_cast<const unsigned char*>(a);
    const auto* right = reinterpret_cast<const unsigned char*>(b);
    for (size_t i = 0; i < n; ++i) {
        if (left[i] != right[i]) return static_cast<int>(left[i]) - static_cast<int>(right[i]);
        if (left[i] == 0) return 0;
    }
    return 0;
}

size_t vtcrash_async_strlen(const char* text) {
    size_t length = 0;
    while (text[length] != 0) ++length;
    return length;
}

void* vtcrash_async_memcpy(void* dest, const void* src, size_t n) {
    auto* to = static_cast<unsigned char*>(dest);
    const auto* from = static_cast<const unsigned char*>(src);
    for (size_t i = 0; i < n; ++i) to[i] = from[i];
    return dest;
}

void* vtcrash_async_memset(void* dest, unsigned char value, size_t n) {
    auto* to = static_cast<unsigned char*>(dest);
    for (size_t i = 0; i < n; ++i) to[i] = value;
    return dest;
}
