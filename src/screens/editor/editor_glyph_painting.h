#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

class QPainter;

namespace vlt {

// The editor's small glyphs are vector paths laid out in their frame's own
// coordinates; this draws one at the frame's place, antialiased.
void strokeGlyphPath(QPainter& painter, const QRectF& frame, const QPainterPath& path, const QPen& pen);
void fillGlyphPath(QPainter& painter, const QRectF& frame, const QPainterPath& path, const QColor& color);

// A round-capped, round-joined pen: most glyph strokes use one.
QPen roundGlyphPen(const QColor& color, double width);

}  // namespace vlt
