#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace vlt {

// The left or right chevron of the rail's collapse button and the inspector's
// show and hide controls. It stretches with its frame.
struct EditorChevron {
    enum class Direction { left, right };

    static constexpr double kLineWidth = 1.6;

    Direction direction = Direction::left;

    QPainterPath path(const QSizeF& size) const;
    void paint(QPainter& painter, const QRectF& frame, const QColor& color) const;
};

}  // namespace vlt
