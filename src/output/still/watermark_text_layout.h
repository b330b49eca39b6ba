#pragma once

#include <optional>

#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace vlt {

// A label or contact text as still images show it: the Arial-Black face (the system
// family at black weight where it is missing) at a size in pixels, white glyphs with
// a black outline of 4 % of the size, lines spaced by ascent, descent and leading.
// Each line break starts a line; with a wrap width, longer lines wrap at word
// boundaries (inside a word when one word is wider). Layout runs at a fixed reference
// size and is scaled, so fractional sizes measure exactly and any thread may use it.
class WatermarkTextLayout {
public:
    // letterSpacing: pixels added after each character.
    WatermarkTextLayout(const QString& text, double fontSize, double letterSpacing = 0.0,
                        std::optional<double> wrapWidth = std::nullopt);

    // The widest line and the height of all lines, in pixels.
    QSizeF size() const { return size_; }
    // Draws the text with its box's top-left corner at `topLeft`.
    void draw(QPainter& painter, QPointF topLeft) const;

private:
    double fontSize_;
    QSizeF size_;
    // At the reference size, box corner at (0, 0).
    QPainterPath glyphs_;
};

}  // namespace vlt
