#include "screens/editor/editor_message_close_icon.h"

#include <QTransform>

#include "screens/editor/editor_glyph_painting.h"

namespace vlt {

QPainterPath EditorMessageCloseIcon::path(const QSizeF& size) {
    QPainterPath bar;
    const double radius = kBarThickness / 2.0;
    bar.addRoundedRect(QRectF(-kBarLength / 2.0, -radius, kBarLength, kBarThickness), radius, radius);
    QPainterPath cross;
    for (const double angle : {45.0, -45.0}) {
        QTransform turn;
        turn.translate(size.width() / 2.0, size.height() / 2.0);
        turn.rotate(angle);
        cross.addPath(turn.map(bar));
    }
    cross.setFillRule(Qt::WindingFill);
    return cross;
}

void EditorMessageCloseIcon::paint(QPainter& painter, const QRectF& frame, const QColor& color) const {
    fillGlyphPath(painter, frame, path(frame.size()), color);
}

}  // namespace vlt
