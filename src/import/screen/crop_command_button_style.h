#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSize>

class QPainter;

namespace vlt {

// The look of ordinary commands on the crop screen: accent text on white (the accent
// wash while pressed) in a 1-point outline, at least 42 points high, corner radius 5.
// A disabled button is drawn at 45 % opacity.
struct CropCommandButtonStyle {
    bool isEnabled = true;

    static constexpr int kHorizontalPadding = 14;
    static constexpr int kMinimumHeight = 42;
    static constexpr double kCornerRadius = 5.0;
    static constexpr double kDisabledOpacity = 0.45;

    static QFont font();
    static QColor textColour();

    QColor fill(bool isPressed) const;
    double opacity() const { return isEnabled ? 1.0 : kDisabledOpacity; }
    QSize sizeForLabel(QSize label) const;
    // Sets the painter's opacity for the whole button, fills and outlines the shape.
    void drawBackground(QPainter& painter, const QRectF& rect, bool isPressed) const;
};

}  // namespace vlt
