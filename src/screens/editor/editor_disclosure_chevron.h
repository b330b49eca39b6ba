#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace vlt {

// The up or down chevron of the inspector's Tool Suggestions disclosure.
struct EditorDisclosureChevron {
    static constexpr double kLineWidth = 1.4;

    bool pointsUp = false;

    QPainterPath path(const QSizeF& size) const;
    void paint(QPainter& painter, const QRectF& frame, const QColor& color) const;
};

}  // namespace vlt
