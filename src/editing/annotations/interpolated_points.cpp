#include "editing/annotations/interpolated_points.h"

#include <algorithm>
#include <cmath>

#include "editing/annotations/annotation_shape_geometry.h"
#include "base/precondition.h"

namespace vlt {

std::vector<Float2> interpolatedPoints(Float2 from, Float2 to, float spacing) {
    VLT_PRECONDITION(std::isfinite(spacing) && spacing > 0.0f, "point spacing must be finite and positive");
    const Float2 d = to - from;
    const float length = d.length();
    if (!(length >= kAnnotationEpsilon) || !std::isfinite(length)) return {};

    const auto count = static_cast<int>(std::max(std::ceil(length / spacing), 1.0f));
    const Float2 step = d / static_cast<float>(count);
    std::vector<Float2> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) points.push_back(from + step * static_cast<float>(k));
    return points;
}

}  // namespace vlt
