#pragma once

#include <QPointF>
#include <QUuid>

#include "editing/annotations/annotation_color.h"
#include "editing/annotations/annotation_font_style.h"
#include "editing/engine/float2.h"
#include "editing/engine/editor_tool.h"

namespace vlt {

// A press on an existing annotation, held back for the double-click interval so that
// a second press can select the annotation instead of letting the tool act on it.
// Everything the tool needs is captured at the press: a later tool change must not
// change what the held click does.
struct PendingAnnotationClick {
    // Fresh for every press; a timer that fires for another click does nothing.
    QUuid id;
    QUuid annotationID;
    Float2 imagePoint;
    // View points.
    QPointF viewPoint;
    EditorTool tool = EditorTool::push;
    float diameter = 1.0f;
    AnnotationColor color;
    AnnotationFontStyle font;
    // Seconds of system uptime.
    double timestamp = 0.0;
    bool isPointerDown = true;
};

}  // namespace vlt
