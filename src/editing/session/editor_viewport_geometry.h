#pragma once

#include <optional>
#include <vector>

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace vlt {

// The layout arithmetic of the editor canvas: where the panel (two side by side on the
// Comparison tab) sits in the view, how large the canvas image is drawn, and how far
// it may be panned. The canvas, its overlay and the session all build this value the
// same way, so drawing, hit tests and panning agree to the point.
//
// Lengths are layout points, origin at the view's top left, y downward. Centres are
// normalised image coordinates, 0...1 on each axis, origin top left.
struct EditorViewportGeometry {
    // What a scroller shows for one axis: the knob position (0...1) and its length as a
    // share of the track.
    struct ScrollerKnob {
        double value = 0.0;
        double knobProportion = 1.0;
        bool operator==(const ScrollerKnob&) const = default;
    };

    QSizeF viewportSize{0.0, 0.0};
    QSizeF imageSize{1.0, 1.0};
    bool isComparison = false;
    double zoomFactor = 1.0;

    // One panel, or on the Comparison tab two of equal size: Original, then Simulation.
    std::vector<QRectF> panelRects() const;
    // Layout points per canvas pixel at zoom 1.
    double fitScale() const;
    QSizeF displayedImageSize() const;
    // An axis on which the image fits is centred; a larger image cannot be panned past
    // its edges.
    QPointF clampedCenter(QPointF center) const;
    // Where the zoomed image lies for a panel and a (not yet clamped) centre. It may
    // reach beyond the panel; callers clip to it.
    QRectF imageRect(const QRectF& panel, QPointF center) const;
    // None when the axis needs no scroller at this zoom.
    std::optional<ScrollerKnob> scrollerKnob(bool horizontal, QPointF center) const;
    // The strip between the two Comparison panels; none on the other tabs.
    std::optional<QRectF> comparisonGapRect() const;

    bool operator==(const EditorViewportGeometry& other) const;

    // Hit tests count a point on a rectangle's edge as inside (QRectF::contains does
    // not for its right and bottom edges), so the image's last pixel can be reached.
    static bool containsClosed(const QRectF& rect, QPointF point) {
        return point.x() >= rect.left() && point.x() <= rect.right() && point.y() >= rect.top() &&
               point.y() <= rect.bottom();
    }
};

}  // namespace vlt
