#include "screens/editor/editor_output_chevron.h"

#include <algorithm>

#include "screens/editor/editor_glyph_painting.h"

namespace vlt {

double EditorOutputChevron::scale(const QSizeF& size) { return std::min(size.width(), size.height()) / kGridUnits; }

double EditorOutputChevron::lineWidth(const QSizeF& size) {
    constexpr double kMinimumLineWidth = 0.9;
    return std::max(1.8 * scale(size), kMinimumLineWidth);
}

QPainterPath EditorOutputChevron::path(const QSizeF& size) {
    const double s = scale(size);
    const double ox = (size.width() - kGridUnits * s) / 2.0;
    const double oy = (size.height() - kGridUnits * s) / 2.0;
    QPainterPath result;
    result.moveTo(ox + 7 * s, oy + 9 * s);
    result.lineTo(ox + 12 * s, oy + 14 * s);
    result.lineTo(ox + 17 * s, oy + 9 * s);
    return result;
}

void EditorOutputChevron::paint(QPainter& painter, const QRectF& frame, const QColor& color) const {
    strokeGlyphPath(painter, frame, path(frame.size()), roundGlyphPen(color, lineWidth(frame.size())));
}

}  // namespace vlt
