#pragma once

#include <algorithm>

namespace vlt {

// The closed range of brush diameters a mode allows, canvas pixels.
struct ToolDiameterRange {
    double lower = 1.0;
    double upper = 1.0;

    // Lower bound first, then upper, so a range of one value always wins.
    double clamp(double diameter) const { return std::min(upper, std::max(diameter, lower)); }
    bool contains(double diameter) const { return diameter >= lower && diameter <= upper; }

    friend bool operator==(const ToolDiameterRange&, const ToolDiameterRange&) = default;
};

}  // namespace vlt
