#pragma once

#include <QRectF>

#include "editing/annotations/annotation_shape.h"
#include "editing/engine/float2.h"

namespace vlt {

// The smallest coordinate difference that still makes a rectangle: 2^-23.
inline constexpr float kAnnotationEpsilon = 1.1920929e-7f;

// The square of a circle: its corner is the start point and it grows toward the end
// point by the larger of the two distances (downward and rightward when a distance
// is 0).
QRectF annotationCircleRect(Float2 start, Float2 end);

// Whether a finished shape gesture makes an annotation: the points at least one pixel
// apart and, for the rectangles, apart on both axes.
bool annotationShapeIsDrawable(const AnnotationShape& shape);

// The rectangle that hit tests and bounds start from: the circle's square for the
// circles, the start-end rectangle for every other kind (lines included).
QRectF annotationShapeRect(const AnnotationShape& shape);

}  // namespace vlt
