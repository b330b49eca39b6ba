#include "platform/image_io/image_orientation.h"

#include <utility>

namespace vlt {

ImageOrientation ImageOrientation::fromExifCode(std::int32_t code) {
    switch (code) {
    case 2:
        return {true, 0};
    case 3:
        return {false, 2};
    case 4:
        return {true, 2};
    case 5:
        return {true, 3};
    case 6:
        return {false, 1};
    case 7:
        return {true, 1};
    case 8:
        return {false, 3};
    default:
        return {false, 0};
    }
}

std::int32_t ImageOrientation::exifCode() const {
    static constexpr std::int32_t kPlain[4] = {1, 6, 3, 8};
    static constexpr std::int32_t kMirrored[4] = {2, 7, 4, 5};
    const int turns = ((clockwiseQuarterTurns % 4) + 4) % 4;
    return mirrored ? kMirrored[turns] : kPlain[turns];
}

// R(t)·M^a · R(r)·M^b = R(t ± r)·M^(a+b), since a mirror reverses the sense of a turn.
ImageOrientation ImageOrientation::after(ImageOrientation first) const {
    const int turns = mirrored ? clockwiseQuarterTurns - first.clockwiseQuarterTurns
                               : clockwiseQuarterTurns + first.clockwiseQuarterTurns;
    return {mirrored != first.mirrored, ((turns % 4) + 4) % 4};
}

ImageOrientation ImageOrientation::inverse() const {
    // A mirrored orientation is its own inverse; a plain turn is undone by turning back.
    if (mirrored) return *this;
    return {false, (4 - clockwiseQuarterTurns % 4) % 4};
}

PixelRect ImageOrientation::map(PixelRect rect, std::int64_t width, std::int64_t height) const {
    if (mirrored) rect.x = width - rect.x - rect.width;
    for (int turn = 0; turn < clockwiseQuarterTurns % 4; ++turn) {
        // A clockwise quarter turn of a width × height picture.
        rect = {height - rect.y - rect.height, rect.x, rect.height, rect.width};
        std::swap(width, height);
    }
    return rect;
}

}  // namespace vlt
