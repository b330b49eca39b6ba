#pragma once

#include <vector>

#include "editing/annotations/annotation_color.h"
#include "editing/engine/float2.h"

namespace vlt {

// A freehand drawing, in canvas pixels.
struct AnnotationStroke {
    // In drawing order; at least one once recorded.
    std::vector<Float2> points;
    // Line width.
    float size = 1.0f;
    AnnotationColor color;

    friend bool operator==(const AnnotationStroke&, const AnnotationStroke&) = default;
};

}  // namespace vlt
