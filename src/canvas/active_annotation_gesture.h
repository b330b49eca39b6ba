#pragma once

#include <variant>
#include <vector>

#include <QSet>
#include <QUuid>

#include "editing/annotations/annotation_color.h"
#include "editing/engine/float2.h"
#include "editing/engine/editor_tool.h"

namespace vlt {

// The annotation gesture in progress on the canvas, in canvas pixels.
struct ActiveAnnotationGesture {
    // A freehand drawing.
    struct Stroke {
        std::vector<Float2> points;
        float size = 1.0f;
        AnnotationColor color;
    };
    // A line, rectangle or circle being dragged out.
    struct Shape {
        EditorTool tool = EditorTool::line;
        Float2 start;
        Float2 end;
        float size = 1.0f;
        AnnotationColor color;
    };
    // An annotation being dragged to a new place.
    struct Move {
        QUuid id;
        Float2 start;
        Float2 current;
    };
    // An eraser pass; the erased annotations stay hidden until it ends.
    struct Eraser {
        Float2 lastPoint;
        QSet<QUuid> erasedIDs;
        // The order of erasing, which the recorded delete keeps.
        std::vector<QUuid> erasedOrder;
        float radius = 0.5f;
    };

    std::variant<Stroke, Shape, Move, Eraser> value;
};

}  // namespace vlt
