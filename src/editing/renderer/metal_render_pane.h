#pragma once

#include <QRectF>

namespace vlt {

// One pane of the editor to draw, in view points (origin top left, y downward).
struct MetalRenderPane {
    // Where the whole canvas image lies; it may reach beyond the view.
    QRectF imageRect;
    // The part of the view that belongs to this pane.
    QRectF clipRect;
    // 0 draws the unedited canvas, 1 the full displacement.
    float displacementScale = 0.0f;

    friend bool operator==(const MetalRenderPane&, const MetalRenderPane&) = default;
};

}  // namespace vlt
