#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace vlt {

// The downward chevron at the right end of the Output button, on a 24-unit grid
// fitted and centred in its frame.
struct EditorOutputChevron {
    static constexpr double kGridUnits = 24.0;

    static double scale(const QSizeF& size);
    static double lineWidth(const QSizeF& size);
    static QPainterPath path(const QSizeF& size);
    void paint(QPainter& painter, const QRectF& frame, const QColor& color) const;
};

}  // namespace vlt
