#pragma once

#include <vector>

#include <QColor>

#include "editing/annotations/annotation_color.h"
#include "editing/annotations/annotation_object.h"
#include "editing/annotations/annotation_shape.h"
#include "editing/annotations/annotation_text.h"
#include "editing/engine/float2.h"

class QPainter;

namespace vlt {

// The one drawing of annotations, used on screen, in still images, prints and video
// frames. The painter's user space must be canvas pixels (origin top left, y down),
// scaled and clipped as the caller needs; the routine adds only the object's own
// translation. Draw objects in list order so later ones cover earlier ones. Each
// drawing leaves the painter's state as it found it.
void drawAnnotationObject(QPainter& painter, const AnnotationObject& object);

// A freehand stroke: its halo line, then the line itself. Nothing for no points or a
// size that is not positive.
void drawAnnotationStroke(QPainter& painter, const std::vector<Float2>& points, const AnnotationColor& color,
                          float size);
// One round-capped, round-joined polyline; a single point becomes a dot of that width.
void drawAnnotationStrokePath(QPainter& painter, const std::vector<Float2>& points, const QColor& color, double width);
// Nothing for a shape too small to draw.
void drawAnnotationShape(QPainter& painter, const AnnotationShape& shape);
// Glyphs filled in the text colour and outlined in the halo colour; nothing for a text
// that is blank.
void drawAnnotationText(QPainter& painter, const AnnotationText& text);

}  // namespace vlt
