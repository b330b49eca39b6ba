#pragma once

namespace vlt {

// A rectangle in image pixels with fractional coordinates, origin top left.
// Equality is exact on all four fields.
struct ImageRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }

    // The final clamp into a displayed size: the rectangle shrinks to fit and is then
    // pushed inside. It never enforces a minimum size.
    ImageRect fitted(double displayedWidth, double displayedHeight) const;

    friend bool operator==(const ImageRect&, const ImageRect&) = default;
};

}  // namespace vlt
