#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

class QPainter;

namespace vlt {

// A blurred drop shadow behind a rounded rectangle (black 0.18, radius 26, 9 down on
// the dialogs and cards). The blurred image is kept until the size changes, so an
// animation that only moves or fades the card does not blur again.
class SoftShadow {
public:
    SoftShadow(QColor colour, double blurRadius, QPointF offset, double cornerRadius);

    void paint(QPainter& painter, const QRectF& shape, double opacity = 1.0);

private:
    void rebuild(QSize shapeSize, double devicePixelRatio);

    QColor colour_;
    double blurRadius_;
    QPointF offset_;
    double cornerRadius_;
    QImage image_;
    QSize imageShapeSize_;
    double imageRatio_ = 0.0;
};

}  // namespace vlt
