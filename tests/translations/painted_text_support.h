#pragma once

#include <optional>
#include <vector>

#include <QRectF>
#include <QString>

class QWidget;

namespace vlt::testing {

// One run of text as a widget's own painting draws it.
struct PaintedText {
    // As drawn: an elided text with its ellipsis.
    QString text;
    // The glyphs' ink, in the widget's coordinates.
    QRectF ink;
    // The baseline the run stands on, in the widget's coordinates.
    double baseline = 0;
    // The painter's clip when the text was drawn, when it had one.
    std::optional<QRectF> clip;
};

// Every text run `widget` paints itself (its children left out), recorded rather than
// rasterised, so what each widget shows can be compared with where it shows it.
std::vector<PaintedText> paintedTexts(QWidget& widget);

}  // namespace vlt::testing
