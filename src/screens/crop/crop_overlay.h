#pragma once

#include <array>

#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace vlt {

// What lies over the preview: the dimmed surround, the crop border, the rule of thirds
// and the four corner handles. Decorative; drawn in view points.
struct CropOverlay {
    QRectF imageRect;
    QRectF cropRect;

    static constexpr double kDimmingOpacity = 0.43;
    static constexpr double kBorderWidth = 2;
    static constexpr double kThirdsOpacity = 0.62;
    static constexpr double kHandleDiameter = 14;

    // Top, bottom, left and right of the crop; a band the crop reaches has no extent.
    std::array<QRectF, 4> dimmingBands() const;
    static QPainterPath thirdsPath(const QRectF& rect);
    // Top-left, top-right, bottom-right and bottom-left.
    std::array<QRectF, 4> handles() const;

    void paint(QPainter& painter) const;
};

}  // namespace vlt
