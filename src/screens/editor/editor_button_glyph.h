#pragma once

#include <functional>
#include <optional>

#include <QColor>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace vlt {

// A drawn glyph placed in a label at a fixed size, in the label's colour unless it
// brings its own.
struct EditorButtonGlyph {
    std::function<void(QPainter& painter, const QRectF& frame, const QColor& color)> paint;
    QSizeF size;
    std::optional<QColor> color;
};

}  // namespace vlt
