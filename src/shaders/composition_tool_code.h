#pragma once

#include <cstdint>

namespace vlt {

// The tool code "composeDisplacement" receives; equal to the brush tools' raw values.
enum class CompositionToolCode : std::uint32_t {
    grow = 0,
    shrink = 1,
    push = 2,
    reconstruct = 3,
};

}  // namespace vlt
