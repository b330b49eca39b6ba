#pragma once

#include <cstdint>

// Readers of foreign data hold one of two constant tables and pass every multi-byte
// value through it, so the same reader serves data of either byte order.
struct vtcrash_async_byteorder {
    uint16_t (*swap16)(uint16_t value);
    uint32_t (*swap32)(uint32_t value);
    uint64_t (*swap64)(uint64_t value);
};

// Values as stored on this machine.
const vtcrash_async_byteorder* vtcrash_async_byteorder_host();
// Values stored in the other byte order.
const vtcrash_async_byteorder* vtcrash_async_byteorder_swapped();
