#include "editing/annotations/annotation_shape_geometry.h"

#include <algorithm>
#include <cmath>

namespace vlt {

namespace {

bool isRectangleKind(EditorTool tool) { return tool == EditorTool::rectangle || tool == EditorTool::filledRectangle; }

bool isCircleKind(EditorTool tool) { return tool == EditorTool::circle || tool == EditorTool::filledCircle; }

}  // namespace

QRectF annotationCircleRect(Float2 start, Float2 end) {
    const Float2 d = end - start;
    const double side = std::max(std::fabs(static_cast<double>(d.x)), std::fabs(static_cast<double>(d.y)));
    const double signX = d.x < 0.0f ? -1.0 : 1.0;
    const double signY = d.y < 0.0f ? -1.0 : 1.0;
    const double cornerX = start.x + side * signX;
    const double cornerY = start.y + side * signY;
    return QRectF(std::min<double>(start.x, cornerX), std::min<double>(start.y, cornerY), side, side);
}

bool annotationShapeIsDrawable(const AnnotationShape& shape) {
    const Float2 d = shape.end - shape.start;
    if (!(d.x * d.x + d.y * d.y >= 1.0f)) return false;
    if (isRectangleKind(shape.tool)) {
        return std::fabs(d.x) > kAnnotationEpsilon && std::fabs(d.y) > kAnnotationEpsilon;
    }
    return true;
}

QRectF annotationShapeRect(const AnnotationShape& shape) {
    if (isCircleKind(shape.tool)) return annotationCircleRect(shape.start, shape.end);
    const double left = std::min(shape.start.x, shape.end.x);
    const double top = std::min(shape.start.y, shape.end.y);
    return QRectF(left, top, std::fabs(static_cast<double>(shape.end.x) - shape.start.x),
                  std::fabs(static_cast<double>(shape.end.y) - shape.start.y));
}

}  // namespace vlt
