#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSize>

class QPainter;

namespace vlt {

// The look of the one forward action of the crop screen: white semibold text on the
// accent colour, at least 142 × 42 points, corner radius 5. A disabled button shows the
// muted fill and the whole button at 72 % opacity.
struct CropPrimaryButtonStyle {
    bool isEnabled = true;

    static constexpr int kHorizontalPadding = 15;
    static constexpr int kMinimumWidth = 142;
    static constexpr int kMinimumHeight = 42;
    static constexpr double kCornerRadius = 5.0;
    static constexpr double kPressedFillOpacity = 0.88;
    static constexpr double kDisabledOpacity = 0.72;

    static QFont font();
    static QColor textColour() { return Qt::white; }

    QColor fill(bool isPressed) const;
    double opacity() const { return isEnabled ? 1.0 : kDisabledOpacity; }
    QSize sizeForLabel(QSize label) const;
    // Sets the painter's opacity for the whole button and fills the shape; the label is
    // drawn after it with the same painter.
    void drawBackground(QPainter& painter, const QRectF& rect, bool isPressed) const;
};

}  // namespace vlt
