#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace vlt {

// The cross of the persistent banner's dismiss button: two 12 by 1.25 capsules turned
// by plus and minus 45 degrees about the frame's centre.
struct EditorMessageCloseIcon {
    static constexpr double kBarLength = 12.0;
    static constexpr double kBarThickness = 1.25;

    static QPainterPath path(const QSizeF& size);
    void paint(QPainter& painter, const QRectF& frame, const QColor& color) const;
};

}  // namespace vlt
