#include "screens/editor/editor_disclosure_chevron.h"

#include "screens/editor/editor_glyph_painting.h"

namespace vlt {

QPainterPath EditorDisclosureChevron::path(const QSizeF& size) const {
    const double w = size.width();
    const double h = size.height();
    const double outerY = pointsUp ? 0.78 * h : 0.22 * h;
    const double tipY = pointsUp ? 0.22 * h : 0.78 * h;
    QPainterPath result;
    result.moveTo(0.08 * w, outerY);
    result.lineTo(0.5 * w, tipY);
    result.lineTo(0.92 * w, outerY);
    return result;
}

void EditorDisclosureChevron::paint(QPainter& painter, const QRectF& frame, const QColor& color) const {
    strokeGlyphPath(painter, frame, path(frame.size()), roundGlyphPen(color, kLineWidth));
}

}  // namespace vlt
