#include "ui/rounded_button_face.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

namespace vlt {

void RoundedButtonFace::paint(QPainter& painter, const QRectF& rect) const {
    painter.setOpacity(opacity);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(rect, cornerRadius, cornerRadius);
    painter.fillPath(shape, fill);
    if (!outline.isValid()) return;
    // Half a point inside the edge, so the whole width of the line stays visible.
    QPainterPath edge;
    edge.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius - 0.5, cornerRadius - 0.5);
    painter.strokePath(edge, QPen(outline, 1.0));
}

QSize RoundedButtonFace::size(QSize label, int horizontalPadding, QSize minimum) {
    return {std::max(minimum.width(), label.width() + 2 * horizontalPadding),
            std::max(minimum.height(), label.height())};
}

}  // namespace vlt
