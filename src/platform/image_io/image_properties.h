#pragma once

#include <cstdint>
#include <optional>

namespace vlt {

// The header facts of image 0 of a source, read without decoding pixels.
struct ImageProperties {
    std::int64_t pixelWidth = 0;
    std::int64_t pixelHeight = 0;
    // The EXIF orientation as stored; none when the header has no numeric one. HEIF
    // decoders apply the container's rotation themselves, so HEIF reports 1 and its
    // turned size.
    std::optional<std::int64_t> orientation;

    friend bool operator==(const ImageProperties&, const ImageProperties&) = default;
};

}  // namespace vlt
