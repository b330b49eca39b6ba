#include "editing/annotations/annotation_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "editing/annotations/annotation_halo.h"
#include "editing/annotations/annotation_shape_geometry.h"
#include "editing/annotations/annotation_text_layout.h"

namespace vlt {

namespace {

QPointF widen(Float2 point) { return QPointF(point.x, point.y); }

// Qt takes a width of 0 as a one-device-pixel line, which is also what the thinnest
// requested line should look like; negative widths are meaningless there.
QPen linePen(const QColor& color, double width, Qt::PenCapStyle cap, Qt::PenJoinStyle join) {
    QPen pen(color);
    pen.setWidthF(width > 0.0 ? width : 0.0);
    pen.setCapStyle(cap);
    pen.setJoinStyle(join);
    return pen;
}

QPainterPath shapePath(const AnnotationShape& shape) {
    QPainterPath path;
    switch (shape.tool) {
    case EditorTool::line:
        path.moveTo(widen(shape.start));
        path.lineTo(widen(shape.end));
        break;
    case EditorTool::rectangle:
    case EditorTool::filledRectangle:
        path.addRect(annotationShapeRect(shape));
        break;
    case EditorTool::circle:
    case EditorTool::filledCircle:
        path.addEllipse(annotationCircleRect(shape.start, shape.end));
        break;
    default:
        break;
    }
    return path;
}

}  // namespace

void drawAnnotationObject(QPainter& painter, const AnnotationObject& object) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(object.translation.x, object.translation.y);
    if (const auto* stroke = std::get_if<AnnotationStroke>(&object.content)) {
        drawAnnotationStroke(painter, stroke->points, stroke->color, stroke->size);
    } else if (const auto* shape = std::get_if<AnnotationShape>(&object.content)) {
        drawAnnotationShape(painter, *shape);
    } else {
        drawAnnotationText(painter, std::get<AnnotationText>(object.content));
    }
    painter.restore();
}

void drawAnnotationStroke(QPainter& painter, const std::vector<Float2>& points, const AnnotationColor& color,
                          float size) {
    if (points.empty() || !(size > 0.0f)) return;
    drawAnnotationStrokePath(painter, points, haloColor(color).platformColor(),
                             static_cast<double>(size) + annotationHaloExtraWidth(size));
    drawAnnotationStrokePath(painter, points, color.platformColor(), size);
}

void drawAnnotationStrokePath(QPainter& painter, const std::vector<Float2>& points, const QColor& color, double width) {
    if (points.empty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (points.size() == 1) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(widen(points.front()), width * 0.5, width * 0.5);
    } else {
        QPainterPath path;
        path.moveTo(widen(points.front()));
        for (std::size_t index = 1; index < points.size(); ++index) path.lineTo(widen(points[index]));
        painter.strokePath(path, linePen(color, width, Qt::RoundCap, Qt::RoundJoin));
    }
    painter.restore();
}

void drawAnnotationShape(QPainter& painter, const AnnotationShape& shape) {
    if (!annotationShapeIsDrawable(shape)) return;
    const QPainterPath path = shapePath(shape);
    if (path.isEmpty()) return;

    const QColor halo = haloColor(shape.color).platformColor();
    const QColor colour = shape.color.platformColor();
    const double extra = annotationHaloExtraWidth(shape.size);
    const Qt::PenCapStyle cap = shape.tool == EditorTool::line ? Qt::RoundCap : Qt::FlatCap;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (shape.tool == EditorTool::filledRectangle || shape.tool == EditorTool::filledCircle) {
        // The fill covers the inner half of the halo line.
        painter.strokePath(path, linePen(halo, extra, cap, Qt::MiterJoin));
        painter.fillPath(path, colour);
    } else {
        painter.strokePath(path, linePen(halo, shape.size + extra, cap, Qt::MiterJoin));
        painter.strokePath(path, linePen(colour, shape.size, cap, Qt::MiterJoin));
    }
    painter.restore();
}

void drawAnnotationText(QPainter& painter, const AnnotationText& text) {
    if (text.text.trimmed().isEmpty()) return;
    const AnnotationTextLayout layout(text.text, text.font);
    const QPainterPath glyphs = layout.glyphPath().translated(text.origin.x, text.origin.y);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(glyphs, text.color.platformColor());
    // Drawn over the fill, so half of the outline lies on the glyph's edge.
    painter.strokePath(glyphs, linePen(haloColor(text.color).platformColor(), annotationTextHaloWidth(text.font.size),
                                       Qt::FlatCap, Qt::RoundJoin));
    painter.restore();
}

}  // namespace vlt
