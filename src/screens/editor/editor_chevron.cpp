#include "screens/editor/editor_chevron.h"

#include "screens/editor/editor_glyph_painting.h"

namespace vlt {

QPainterPath EditorChevron::path(const QSizeF& size) const {
    const double w = size.width();
    const double h = size.height();
    const bool left = direction == Direction::left;
    const double outerX = left ? 0.78 * w : 0.22 * w;
    const double tipX = left ? 0.22 * w : 0.78 * w;
    QPainterPath result;
    result.moveTo(outerX, 0.08 * h);
    result.lineTo(tipX, 0.5 * h);
    result.lineTo(outerX, 0.92 * h);
    return result;
}

void EditorChevron::paint(QPainter& painter, const QRectF& frame, const QColor& color) const {
    strokeGlyphPath(painter, frame, path(frame.size()), roundGlyphPen(color, kLineWidth));
}

}  // namespace vlt
