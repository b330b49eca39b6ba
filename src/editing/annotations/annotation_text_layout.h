#pragma once

#include <QFont>
#include <QPainterPath>
#include <QSizeF>
#include <QString>

#include "editing/annotations/annotation_font_style.h"
#include "editing/annotations/annotation_text.h"

namespace vlt {

// How the text of an annotation is laid out: one line per line break, nothing wraps,
// lines spaced by the font's ascent, descent and leading. Layout happens at a fixed
// reference pixel size and is scaled to the style's size, so a text measures the same
// in canvas pixels whatever device it is drawn on.
class AnnotationTextLayout {
public:
    AnnotationTextLayout(const QString& text, const AnnotationFontStyle& style);

    // The text box: the widest line and all lines, rounded up to whole pixels, at
    // least 1 by 1.
    QSizeF boxSize() const;
    // The glyph outlines in canvas pixels with the box's top-left corner at (0, 0).
    QPainterPath glyphPath() const;

    // The font the style names on this system: "Arial" falls back to its metric twin
    // Liberation Sans, "Arial-Black" to the system family at black weight (and the black
    // Noto Sans CJK for what the system family lacks), the system font is DejaVu Sans,
    // and an unknown family gives the system font.
    static QFont resolvedFont(const AnnotationFontStyle& style);

private:
    QString text_;
    QFont font_;
    double scale_;
};

// The box of a text annotation; its top-left corner is the text's origin.
QSizeF annotationTextBoxSize(const AnnotationText& text);

}  // namespace vlt
