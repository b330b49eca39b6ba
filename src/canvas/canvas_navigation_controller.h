#pragma once

#include <optional>

#include <QPointF>
#include <qnamespace.h>

class QScrollBar;
class QWheelEvent;

namespace vlt {

class EditorCanvasView;

// Moves the editor canvas's view of the image: zoom about a point (Ctrl-wheel, pinch),
// panning (trackpad scrolling, the scrollers, the pan gesture), brush-size changes from
// the wheel, and the pointer's hover point and cursor. Zoom and centre live in the
// view's session state; this controller changes them there and reports them through
// the view's callbacks. GUI thread only.
class CanvasNavigationController {
public:
    // What a click on a scroller part makes of the value (0...1).
    enum class ScrollerPart { decrementPage, incrementPage, decrementArrow, incrementArrow, knob };
    static double scrollerValue(ScrollerPart part, double value, double knobProportion);

    // Adds the two scrollers to the view, hidden.
    explicit CanvasNavigationController(EditorCanvasView& view);

    CanvasNavigationController(const CanvasNavigationController&) = delete;
    CanvasNavigationController& operator=(const CanvasNavigationController&) = delete;

    QScrollBar* horizontalScroller() const { return horizontalScroller_; }
    QScrollBar* verticalScroller() const { return verticalScroller_; }
    // The pointer while it is over the view, in view points.
    const std::optional<QPointF>& hoverPoint() const { return hoverPoint_; }
    // The Spacebar is held for moving the image.
    bool isSpacebarHeld() const { return isSpacebarHeld_; }
    // This view has hidden the system cursor (the overlay draws the brush instead).
    bool hidesSystemCursor() const { return cursorHideLeaseActive_; }

    // --- Viewport ---------------------------------------------------------------------
    void zoom(double requestedFactor, QPointF anchor);
    void pan(QPointF delta);
    // Places the scrollers along the view's edges.
    void layoutScrollers();
    // Scrollers, cursor, overlay and fit scale follow the viewport; then a redraw.
    void refresh();
    void updateScrollers();
    void updateCursor();
    bool shouldHideSystemCursor() const;

    // --- The pan gesture (the view makes it its gesture) -------------------------------
    // A primary press pans in move mode or with the Spacebar held, when zoomed in.
    bool primaryPressPans() const;
    // The middle button pans only when zoomed in beyond the fit.
    bool middlePressPans() const;
    void beginPan(QPointF point, Qt::MouseButton button);
    void dragPan(QPointF point);
    Qt::MouseButton panButton() const { return panButton_; }

    // --- Pointer, wheel, pinch, Spacebar ----------------------------------------------
    // Moves without a button, and the pointer entering the view.
    void trackHover(QPointF point);
    void setHoverPoint(QPointF point) { hoverPoint_ = point; }
    void pointerLeft();
    // Forgets the Spacebar move and the hover point; the cursor goes back to the arrow.
    void forgetPointer();
    void wheel(const QWheelEvent& event);
    void pinch(double magnification, QPointF position);
    void pressSpacebar(bool isAutoRepeat);
    void releaseSpacebar();
    // Shows the system cursor again if this view hid it.
    void releaseCursorLease();

private:
    void scrollerChanged(bool horizontal, int action);
    void afterViewportChange();
    void setViewCursor(Qt::CursorShape shape);
    void reportFitScaleIfChanged();

    EditorCanvasView& view_;
    QScrollBar* horizontalScroller_ = nullptr;
    QScrollBar* verticalScroller_ = nullptr;
    // Set while the scrollers are given new values, which must not move the centre.
    bool updatingScrollers_ = false;
    bool isSpacebarHeld_ = false;
    // A wheel resize of the brush swallows the trackpad momentum that follows it.
    bool suppressesBrushSizeScrollMomentum_ = false;
    // The last point and the button of the pan gesture.
    QPointF panPoint_;
    Qt::MouseButton panButton_ = Qt::NoButton;
    std::optional<QPointF> hoverPoint_;
    bool cursorHideLeaseActive_ = false;
    // The fit scale last reported through the view's callback.
    double reportedFitScale_ = 0.0;
};

}  // namespace vlt
