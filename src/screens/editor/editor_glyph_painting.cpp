#include "screens/editor/editor_glyph_painting.h"

#include <QPainter>

namespace vlt {

void strokeGlyphPath(QPainter& painter, const QRectF& frame, const QPainterPath& path, const QPen& pen) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(frame.topLeft());
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

void fillGlyphPath(QPainter& painter, const QRectF& frame, const QPainterPath& path, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(frame.topLeft());
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(path);
    painter.restore();
}

QPen roundGlyphPen(const QColor& color, double width) {
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

}  // namespace vlt
