#include "screens/crop/crop_overlay.h"

#include <algorithm>

#include <QPainter>

namespace vlt {

std::array<QRectF, 4> CropOverlay::dimmingBands() const {
    const QRectF& i = imageRect;
    const QRectF& c = cropRect;
    return {
        QRectF(i.left(), i.top(), i.width(), std::max(c.top() - i.top(), 0.0)),
        QRectF(i.left(), c.bottom(), i.width(), std::max(i.bottom() - c.bottom(), 0.0)),
        QRectF(i.left(), c.top(), std::max(c.left() - i.left(), 0.0), c.height()),
        QRectF(c.right(), c.top(), std::max(i.right() - c.right(), 0.0), c.height()),
    };
}

QPainterPath CropOverlay::thirdsPath(const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left() + r.width() / 3, r.top());
    path.lineTo(r.left() + r.width() / 3, r.bottom());
    path.moveTo(r.left(), r.top() + r.height() / 3);
    path.lineTo(r.right(), r.top() + r.height() / 3);
    path.moveTo(r.left() + r.width() * 2 / 3, r.top());
    path.lineTo(r.left() + r.width() * 2 / 3, r.bottom());
    path.moveTo(r.left(), r.top() + r.height() * 2 / 3);
    path.lineTo(r.right(), r.top() + r.height() * 2 / 3);
    return path;
}

std::array<QRectF, 4> CropOverlay::handles() const {
    const auto at = [](QPointF centre) {
        return QRectF(centre.x() - kHandleDiameter / 2, centre.y() - kHandleDiameter / 2, kHandleDiameter,
                      kHandleDiameter);
    };
    return {at(cropRect.topLeft()), at(cropRect.topRight()), at(cropRect.bottomRight()), at(cropRect.bottomLeft())};
}

void CropOverlay::paint(QPainter& painter) const {
    painter.save();
    QColor dim(Qt::black);
    dim.setAlphaF(static_cast<float>(kDimmingOpacity));
    for (const QRectF& band : dimmingBands()) {
        if (band.width() > 0 && band.height() > 0) painter.fillRect(band, dim);
    }

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    QPen border(Qt::white, kBorderWidth);
    border.setJoinStyle(Qt::MiterJoin);
    border.setMiterLimit(10);
    painter.setPen(border);
    painter.drawRect(cropRect);

    QColor thirds(Qt::white);
    thirds.setAlphaF(static_cast<float>(kThirdsOpacity));
    painter.setPen(QPen(thirds, 1));
    painter.drawPath(thirdsPath(cropRect));

    QColor outline(Qt::black);
    outline.setAlphaF(0.8f);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(Qt::white);
    for (const QRectF& handle : handles()) painter.drawEllipse(handle);
    painter.restore();
}

}  // namespace vlt
