#include "screens/editor/animation_tab_icon.h"

#include "screens/editor/editor_glyph_painting.h"

namespace vlt {

QPainterPath AnimationTabIcon::outlinePath(const QSizeF& size) {
    constexpr double kCornerRadius = 1.5;
    QPainterPath path;
    path.addRoundedRect(QRectF(1.5, 3.25, size.width() - 3.0, size.height() - 6.5), kCornerRadius, kCornerRadius);
    return path;
}

QPainterPath AnimationTabIcon::trianglePath(const QSizeF& size) {
    const double w = size.width();
    const double h = size.height();
    QPainterPath path;
    path.moveTo(0.42 * w, 0.32 * h);
    path.lineTo(0.42 * w, 0.68 * h);
    path.lineTo(0.68 * w, 0.5 * h);
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    return path;
}

void AnimationTabIcon::paint(QPainter& painter, const QRectF& frame, const QColor& color) const {
    strokeGlyphPath(painter, frame, outlinePath(frame.size()), roundGlyphPen(color, kLineWidth));
    fillGlyphPath(painter, frame, trianglePath(frame.size()), color);
}

}  // namespace vlt
