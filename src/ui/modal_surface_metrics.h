#pragma once

#include <QSize>

namespace vlt {

// The size limits of one dialog's surface. The surface keeps 28 points of window on
// its left and right and 20 above and below where the window allows; below its
// minimum it overflows the window rather than squeezing its content.
struct ModalSurfaceMetrics {
    int minimumWidth = 540;
    int maximumWidth = 640;
    int minimumHeight = 360;
    int maximumHeight = 650;

    static constexpr int horizontalMargin = 28;
    static constexpr int verticalMargin = 20;

    // Width clamp(W − 56, min, max); height min(max(H − 40, min), max).
    QSize surfaceSize(QSize area) const;
};

}  // namespace vlt
