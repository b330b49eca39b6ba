#pragma once

#include <QColor>
#include <QRectF>
#include <QSize>

class QPainter;

namespace vlt {

// The face of a text button of the dialogs and the crop screen: a rounded fill with an
// optional 1-point outline inside its edge, the whole button drawn at one opacity.
struct RoundedButtonFace {
    double cornerRadius = 0.0;
    QColor fill;
    // None when invalid.
    QColor outline;
    // Of the whole button, its label included.
    double opacity = 1.0;

    // Sets the painter's opacity and draws the face; the label is drawn after it with
    // the same painter.
    void paint(QPainter& painter, const QRectF& rect) const;

    // A label of this size with the padding on both sides, never below the minimum.
    static QSize size(QSize label, int horizontalPadding, QSize minimum);
};

}  // namespace vlt
