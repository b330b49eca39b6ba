#include "editing/annotations/annotation_hit_test.h"

#include <algorithm>
#include <cmath>

#include <QRectF>
#include <QSizeF>

#include "editing/annotations/annotation_halo.h"
#include "editing/annotations/annotation_shape_geometry.h"
#include "editing/annotations/annotation_text_layout.h"

namespace vlt {

namespace {

struct Point {
    double x;
    double y;
};

Point widen(Float2 p) { return {p.x, p.y}; }

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Distance to the closest point of a segment; a segment too short to have a
// direction counts as its start point.
double distanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double squaredLength = dx * dx + dy * dy;
    if (squaredLength <= kAnnotationEpsilon) return distance(p, a);
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / squaredLength, 0.0, 1.0);
    return distance(p, {a.x + t * dx, a.y + t * dy});
}

bool containsClosed(const QRectF& rect, Point p) {
    return p.x >= rect.left() && p.x <= rect.right() && p.y >= rect.top() && p.y <= rect.bottom();
}

QRectF grown(const QRectF& rect, double by) { return rect.adjusted(-by, -by, by, by); }

double halfWidth(float size) { return std::max(0.5 * size, 0.0); }

bool strokeHitTest(const AnnotationStroke& stroke, Point point, double tolerance) {
    if (stroke.points.empty()) return false;
    const double reach = tolerance + annotationHaloWidth(stroke.size) + halfWidth(stroke.size);
    if (distance(point, widen(stroke.points.front())) <= reach) return true;
    for (std::size_t index = 1; index < stroke.points.size(); ++index) {
        const double gap = distanceToSegment(point, widen(stroke.points[index - 1]), widen(stroke.points[index]));
        if (gap <= reach) return true;
    }
    return false;
}

bool textHitTest(const AnnotationText& text, Point point, double tolerance) {
    const QSizeF box = annotationTextBoxSize(text);
    const QRectF rect(text.origin.x, text.origin.y, box.width(), box.height());
    return containsClosed(grown(rect, annotationTextHaloWidth(text.font.size) + tolerance), point);
}

}  // namespace

bool annotationShapeHitTest(const AnnotationShape& shape, Float2 rawPoint, float rawTolerance) {
    const Point point = widen(rawPoint);
    const double tolerance = std::max<double>(rawTolerance, 0.0);
    const double halo = annotationHaloWidth(shape.size);
    const double reach = tolerance + halfWidth(shape.size) + halo;

    if (shape.tool == EditorTool::line) {
        return distanceToSegment(point, widen(shape.start), widen(shape.end)) <= reach;
    }

    const QRectF rect = annotationShapeRect(shape);
    if (rect.width() <= 0.0 || rect.height() <= 0.0) return false;

    switch (shape.tool) {
    case EditorTool::rectangle: {
        if (!containsClosed(grown(rect, reach), point)) return false;
        const QRectF inner = grown(rect, -reach);
        const bool innerIsEmpty = inner.width() <= 0.0 || inner.height() <= 0.0;
        return innerIsEmpty || !containsClosed(inner, point);
    }
    case EditorTool::filledRectangle:
        return containsClosed(grown(rect, tolerance + halo), point);
    case EditorTool::filledCircle: {
        const Point centre{rect.center().x(), rect.center().y()};
        return distance(point, centre) <= tolerance + halo + rect.width() * 0.5;
    }
    case EditorTool::circle: {
        const Point centre{rect.center().x(), rect.center().y()};
        return std::fabs(distance(point, centre) - rect.width() * 0.5) <= reach;
    }
    default:
        return false;
    }
}

bool annotationContentHitTest(const AnnotationContent& content, Float2 rawPoint, float rawTolerance) {
    const double tolerance = std::max<double>(rawTolerance, 0.0);
    if (const auto* stroke = std::get_if<AnnotationStroke>(&content)) {
        return strokeHitTest(*stroke, widen(rawPoint), tolerance);
    }
    if (const auto* text = std::get_if<AnnotationText>(&content)) {
        return textHitTest(*text, widen(rawPoint), tolerance);
    }
    return annotationShapeHitTest(std::get<AnnotationShape>(content), rawPoint, rawTolerance);
}

}  // namespace vlt
