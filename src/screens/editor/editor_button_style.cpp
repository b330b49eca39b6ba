#include "screens/editor/editor_button_style.h"

#include <algorithm>

#include <QPainter>

namespace vlt {

QPainterPath EditorButtonStyle::clipShape(const QRectF& rect) const {
    QPainterPath path;
    path.addRect(rect);
    return path;
}

void EditorButtonStyle::paintFace(QPainter&, const QRectF&, const EditorButtonState&) const {}

void EditorButtonStyle::paintOutline(QPainter&, const QRectF&, const EditorButtonState&) const {}

QColor EditorButtonStyle::foreground(const EditorButtonState&) const { return {}; }

double EditorButtonStyle::opacity(const EditorButtonState&) const { return 1.0; }

std::optional<QFont> EditorButtonStyle::font() const { return std::nullopt; }

QMarginsF EditorButtonStyle::padding() const { return {}; }

QSizeF EditorButtonStyle::minimumSize() const { return {}; }

QPainterPath EditorButtonStyle::roundedRect(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath EditorButtonStyle::capsule(const QRectF& rect) {
    const double radius = std::min(rect.width(), rect.height()) / 2.0;
    return roundedRect(rect, radius);
}

void EditorButtonStyle::strokeOutline(QPainter& painter, const QPainterPath& shape, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Clipped to the shape, a 2-point stroke leaves exactly 1 point inside the edge.
    painter.setClipPath(shape, Qt::IntersectClip);
    painter.setPen(QPen(color, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    painter.restore();
}

}  // namespace vlt
