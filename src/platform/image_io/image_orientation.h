#pragma once

#include <cstdint>

namespace vlt {

// A rectangle of whole pixels.
struct PixelRect {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// One of the eight EXIF orientations as the operation that shows a stored picture
// upright: first an optional left-right mirror, then clockwise quarter turns.
struct ImageOrientation {
    bool mirrored = false;
    int clockwiseQuarterTurns = 0;

    // Codes outside 1 to 8 turn nothing.
    static ImageOrientation fromExifCode(std::int32_t code);
    std::int32_t exifCode() const;

    // This orientation applied after `first`.
    ImageOrientation after(ImageOrientation first) const;
    ImageOrientation inverse() const;

    bool swapsAxes() const { return clockwiseQuarterTurns % 2 != 0; }

    // Where a rectangle of a picture of width × height lands once this orientation is
    // applied to the picture.
    PixelRect map(PixelRect rect, std::int64_t width, std::int64_t height) const;

    friend bool operator==(const ImageOrientation&, const ImageOrientation&) = default;
};

}  // namespace vlt
