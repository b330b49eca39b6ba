#pragma once

#include "editing/annotations/annotation_color.h"
#include "editing/engine/float2.h"
#include "editing/engine/editor_tool.h"

namespace vlt {

// A line, rectangle or circle dragged from start to end, in canvas pixels.
struct AnnotationShape {
    // line, rectangle, filledRectangle, circle or filledCircle.
    EditorTool tool = EditorTool::line;
    // Where the drag began.
    Float2 start;
    Float2 end;
    // Line width; the filled kinds use it for their halo only.
    float size = 1.0f;
    AnnotationColor color;

    friend bool operator==(const AnnotationShape&, const AnnotationShape&) = default;
};

}  // namespace vlt
