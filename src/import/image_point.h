#pragma once

namespace vlt {

// A point in image pixels with fractional coordinates, origin top left, y downward.
struct ImagePoint {
    double x = 0;
    double y = 0;

    friend bool operator==(const ImagePoint&, const ImagePoint&) = default;
};

}  // namespace vlt
