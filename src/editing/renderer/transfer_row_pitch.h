#pragma once

#include <cstdint>

namespace vlt {

// Rows of GPU transfer buffers start on 256-byte boundaries.
inline constexpr std::int64_t kTransferRowAlignment = 256;

constexpr std::int64_t transferRowPitch(std::int64_t rowBytes) {
    return (rowBytes + kTransferRowAlignment - 1) / kTransferRowAlignment * kTransferRowAlignment;
}

}  // namespace vlt
