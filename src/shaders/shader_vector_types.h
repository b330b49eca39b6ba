#pragma once

#include <cstdint>

namespace vlt {

// The vector types of the parameter blocks, laid out like their GPU counterparts:
// two-component vectors on 8 bytes, four-component vectors on 16.

struct alignas(8) PackedFloat2 {
    float x = 0.0f;
    float y = 0.0f;

    friend bool operator==(const PackedFloat2&, const PackedFloat2&) = default;
};

struct alignas(8) PackedUInt2 {
    std::uint32_t x = 0;
    std::uint32_t y = 0;

    friend bool operator==(const PackedUInt2&, const PackedUInt2&) = default;
};

struct alignas(16) PackedFloat4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;

    friend bool operator==(const PackedFloat4&, const PackedFloat4&) = default;
};

static_assert(sizeof(PackedFloat2) == 8);
static_assert(sizeof(PackedUInt2) == 8);
static_assert(sizeof(PackedFloat4) == 16);

}  // namespace vlt
