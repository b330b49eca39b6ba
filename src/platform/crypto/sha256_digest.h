#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace vlt {

using Sha256Digest = std::array<std::uint8_t, 32>;

// The SHA-256 digest of the bytes. Fast enough for a whole crash log at start-up: the
// processor's own SHA instructions are used where it has them.
Sha256Digest sha256Digest(std::span<const std::uint8_t> bytes);

}  // namespace vlt
