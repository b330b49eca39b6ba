#include "crash_capture/async/vtcrash_async_byteorder.h"

namespace {

uint16_t keep16(uint16_t value) { return value; }
uint32_t keep32(uint32_t value) { return value; }
uint64_t keep64(uint64_t value) { return value; }
uint16_t reverse16(uint16_t value) { return __builtin_bswap16(value); }
uint32_t reverse32(uint32_t value) { return __builtin_bswap32(value); }
uint64_t reverse64(uint64_t value) { return __builtin_bswap64(value); }

constexpr vtcrash_async_byteorder kHost = {keep16, keep32, keep64};
constexpr vtcrash_async_byteorder kSwapped = {reverse16, reverse32, reverse64};

}  // namespace

const vtcrash_async_byteorder* vtcrash_async_byteorder_host() { return &kHost; }

const vtcrash_async_byteorder* vtcrash_async_byteorder_swapped() { return &kSwapped; }
