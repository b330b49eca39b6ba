#include "screens/editor/editor_history_glyph.h"

#include <algorithm>

#include <QPen>
#include <QTransform>

#include "screens/editor/editor_glyph_painting.h"

namespace vlt {
namespace {

struct Grid {
    double s;
    double ox;
    double oy;

    QPointF operator()(double x, double y) const { return {ox + x * s, oy + y * s}; }
};

QPainterPath undoPath(const Grid& at) {
    QPainterPath path;
    path.moveTo(at(3, 1));
    path.lineTo(at(3, 11));
    path.lineTo(at(13, 11));
    path.moveTo(at(3, 11));
    path.cubicTo(at(5.5, 5), at(9, 1.5), at(14, 1.5));
    path.cubicTo(at(22, 1.5), at(28.5, 5.5), at(28.5, 12));
    path.cubicTo(at(28.5, 20), at(18.5, 24.5), at(9, 31));
    return path;
}

QPainterPath resetPath(const Grid& at) {
    QPainterPath path;
    path.moveTo(at(29, 1));
    path.lineTo(at(29, 10));
    path.lineTo(at(20, 10));
    path.moveTo(at(29, 10));
    path.cubicTo(at(25.5, 4.5), at(21, 2), at(16, 2));
    path.cubicTo(at(8, 2), at(2, 8), at(2, 16));
    path.cubicTo(at(2, 24), at(8, 30), at(16, 30));
    path.cubicTo(at(24, 30), at(30, 24), at(30, 16));
    return path;
}

}  // namespace

double EditorHistoryGlyph::scale(const QSizeF& size) { return std::min(size.width(), size.height()) / kGridUnits; }

double EditorHistoryGlyph::lineWidth(const QSizeF& size) { return std::max(2.0 * scale(size), kMinimumLineWidth); }

QPainterPath EditorHistoryGlyph::path(const QSizeF& size) const {
    const double s = scale(size);
    const Grid grid{s, (size.width() - kGridUnits * s) / 2.0, (size.height() - kGridUnits * s) / 2.0};
    switch (kind) {
    case Kind::undo:
        return undoPath(grid);
    case Kind::redo: {
        const QTransform mirror(-1.0, 0.0, 0.0, 1.0, size.width(), 0.0);
        return mirror.map(undoPath(grid));
    }
    case Kind::reset:
        return resetPath(grid);
    }
    return {};
}

void EditorHistoryGlyph::paint(QPainter& painter, const QRectF& frame, const QColor& color) const {
    QPen pen(color, lineWidth(frame.size()));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setMiterLimit(10.0);
    strokeGlyphPath(painter, frame, path(frame.size()), pen);
}

}  // namespace vlt
