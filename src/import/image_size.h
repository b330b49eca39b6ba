#pragma once

#include <cstdint>

namespace vlt {

// A size in whole pixels.
struct ImageSize {
    std::int64_t width = 0;
    std::int64_t height = 0;

    // The editing canvas size rule: a size whose longer side exceeds maxDimension
    // shrinks until that side is exactly maxDimension (the shorter side rounded, at
    // least 1); a smaller size is kept, never enlarged.
    ImageSize fitting(std::int64_t maxDimension) const;

    // Width and height exchanged, as a quarter turn makes of a size.
    ImageSize transposed() const { return {height, width}; }

    friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

}  // namespace vlt
