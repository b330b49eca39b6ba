#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace vlt {

// The Animate tab's icon: a screen outline with a play triangle.
struct AnimationTabIcon {
    static constexpr double kLineWidth = 1.5;

    static QPainterPath outlinePath(const QSizeF& size);
    static QPainterPath trianglePath(const QSizeF& size);
    void paint(QPainter& painter, const QRectF& frame, const QColor& color) const;
};

}  // namespace vlt
