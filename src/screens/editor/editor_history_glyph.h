#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace vlt {

// The undo, redo and reset arrows of the toolbar. Drawn on a 32-unit square grid that
// is fitted and centred in the frame, so the glyph stays square in any frame; redo is
// undo mirrored across the whole frame.
struct EditorHistoryGlyph {
    enum class Kind { undo, redo, reset };

    static constexpr double kGridUnits = 32.0;
    static constexpr double kMinimumLineWidth = 0.875;

    Kind kind = Kind::undo;

    // Frame points per grid unit.
    static double scale(const QSizeF& size);
    static double lineWidth(const QSizeF& size);
    QPainterPath path(const QSizeF& size) const;
    void paint(QPainter& painter, const QRectF& frame, const QColor& color) const;
};

}  // namespace vlt
