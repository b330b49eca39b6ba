#include "editing/annotations/annotation_bounds.h"

#include <algorithm>

#include "editing/annotations/annotation_halo.h"
#include "editing/annotations/annotation_shape_geometry.h"
#include "editing/annotations/annotation_text_layout.h"

namespace vlt {

namespace {

QRectF grown(const QRectF& rect, double by) { return rect.adjusted(-by, -by, by, by); }

double halfWidth(float size) { return std::max(0.5 * size, 0.0); }

QRectF strokeBounds(const AnnotationStroke& stroke) {
    if (stroke.points.empty()) return QRectF();
    double left = stroke.points.front().x;
    double right = left;
    double top = stroke.points.front().y;
    double bottom = top;
    for (const Float2& point : stroke.points) {
        left = std::min<double>(left, point.x);
        right = std::max<double>(right, point.x);
        top = std::min<double>(top, point.y);
        bottom = std::max<double>(bottom, point.y);
    }
    const QRectF hull(left, top, right - left, bottom - top);
    return grown(hull, annotationHaloWidth(stroke.size) + halfWidth(stroke.size));
}

QRectF textBounds(const AnnotationText& text) {
    const QSizeF box = annotationTextBoxSize(text);
    return grown(QRectF(text.origin.x, text.origin.y, box.width(), box.height()),
                 annotationTextHaloWidth(text.font.size));
}

QRectF shapeBounds(const AnnotationShape& shape) {
    const bool isStroked =
        shape.tool == EditorTool::line || shape.tool == EditorTool::rectangle || shape.tool == EditorTool::circle;
    const double margin = annotationHaloWidth(shape.size) + (isStroked ? halfWidth(shape.size) : 0.0);
    return grown(annotationShapeRect(shape), margin);
}

}  // namespace

QRectF annotationContentBounds(const AnnotationContent& content) {
    if (const auto* stroke = std::get_if<AnnotationStroke>(&content)) return strokeBounds(*stroke);
    if (const auto* text = std::get_if<AnnotationText>(&content)) return textBounds(*text);
    return shapeBounds(std::get<AnnotationShape>(content));
}

}  // namespace vlt
