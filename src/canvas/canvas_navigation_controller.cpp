#include "canvas/canvas_navigation_controller.h"

#include <algorithm>
#include <cmath>

#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include "canvas/editor_canvas_view.h"
#include "editing/session/editor_messages.h"

namespace vlt {

namespace {

constexpr double kScrollerInset = 8.0;
constexpr double kScrollerEdgeGap = 5.0;
constexpr double kScrollerLengthInset = 18.0;
constexpr int kScrollerResolution = 10000;
constexpr double kScrollerArrowStep = 0.05;
constexpr double kScrollerPageShare = 0.9;
constexpr double kMinimumScrollerPageStep = 0.05;

constexpr double kZoomChangeTolerance = 1e-6;
constexpr double kFitScaleTolerance = 1e-6;
constexpr double kMoveZoomThreshold = 1.000001;
constexpr double kPreciseZoomRate = 0.012;
constexpr double kLineZoomRate = 0.08;
constexpr double kPreciseBrushRate = 0.012;
constexpr double kLineBrushFactor = 1.05;
constexpr double kMinimumPinchFactor = 0.1;
// One notch of a classic wheel reports 120 eighths of a degree; it counts as one line.
constexpr double kAngleDeltaPerLine = 120.0;

bool showsBrushOutline(EditorTool tool) { return isReshapeTool(tool) || hasRoundAnnotationBrush(tool); }

}  // namespace

CanvasNavigationController::CanvasNavigationController(EditorCanvasView& view)
    : view_(view),
      horizontalScroller_(new QScrollBar(Qt::Horizontal, &view)),
      verticalScroller_(new QScrollBar(Qt::Vertical, &view)) {
    for (QScrollBar* scroller : {horizontalScroller_, verticalScroller_}) {
        scroller->setFocusPolicy(Qt::NoFocus);
        scroller->hide();
        const bool horizontal = scroller == horizontalScroller_;
        QObject::connect(scroller, &QScrollBar::actionTriggered, &view,
                         [this, horizontal](int action) { scrollerChanged(horizontal, action); });
    }
}

// --- Layout and scrollers ------------------------------------------------------------

void CanvasNavigationController::layoutScrollers() {
    const double w = view_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, horizontalScroller_);
    const double W = view_.width();
    const double H = view_.height();
    horizontalScroller_->setGeometry(
        QRectF(kScrollerInset, std::max(H - w - kScrollerEdgeGap, 0.0), std::max(W - w - kScrollerLengthInset, 0.0), w)
            .toRect());
    verticalScroller_->setGeometry(
        QRectF(std::max(W - w - kScrollerEdgeGap, 0.0), kScrollerInset, w, std::max(H - w - kScrollerLengthInset, 0.0))
            .toRect());
}

void CanvasNavigationController::refresh() {
    updateScrollers();
    updateCursor();
    view_.refreshOverlay();
    reportFitScaleIfChanged();
    view_.requestRedraw();
}

void CanvasNavigationController::reportFitScaleIfChanged() {
    const double fitScale = view_.viewportGeometry().fitScale();
    if (std::abs(fitScale - reportedFitScale_) > kFitScaleTolerance) {
        reportedFitScale_ = fitScale;
        if (view_.onFitScaleChange) view_.onFitScaleChange(fitScale);
    }
}

void CanvasNavigationController::updateScrollers() {
    const EditorViewportGeometry geometry = view_.viewportGeometry();
    updatingScrollers_ = true;
    for (QScrollBar* scroller : {horizontalScroller_, verticalScroller_}) {
        const auto knob = geometry.scrollerKnob(scroller == horizontalScroller_, view_.sessionState().center);
        if (!knob) {
            scroller->hide();
            continue;
        }
        const int page = std::max(1, static_cast<int>(std::lround(knob->knobProportion * kScrollerResolution)));
        const int range = std::max(0, kScrollerResolution - page);
        scroller->setRange(0, range);
        scroller->setPageStep(page);
        scroller->setValue(static_cast<int>(std::lround(std::clamp(knob->value, 0.0, 1.0) * range)));
        scroller->show();
    }
    updatingScrollers_ = false;
}

double CanvasNavigationController::scrollerValue(ScrollerPart part, double value, double knobProportion) {
    const double step = std::max(knobProportion * kScrollerPageShare, kMinimumScrollerPageStep);
    switch (part) {
    case ScrollerPart::decrementPage:
        return std::max(value - step, 0.0);
    case ScrollerPart::incrementPage:
        return std::min(value + step, 1.0);
    case ScrollerPart::decrementArrow:
        return std::max(value - kScrollerArrowStep, 0.0);
    case ScrollerPart::incrementArrow:
        return std::min(value + kScrollerArrowStep, 1.0);
    case ScrollerPart::knob:
        return value;
    }
    return value;
}

void CanvasNavigationController::scrollerChanged(bool horizontal, int action) {
    if (updatingScrollers_) return;
    QScrollBar* scroller = horizontal ? horizontalScroller_ : verticalScroller_;
    const EditorViewportGeometry geometry = view_.viewportGeometry();
    QPointF center = view_.sessionState().center;
    const auto knob = geometry.scrollerKnob(horizontal, center);
    const int range = scroller->maximum();
    const double current = range > 0 ? static_cast<double>(scroller->value()) / range : 0.0;
    ScrollerPart part = ScrollerPart::knob;
    double value = current;
    switch (action) {
    case QAbstractSlider::SliderPageStepSub:
        part = ScrollerPart::decrementPage;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        part = ScrollerPart::incrementPage;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        part = ScrollerPart::decrementArrow;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        part = ScrollerPart::incrementArrow;
        break;
    default:
        value = range > 0 ? static_cast<double>(scroller->sliderPosition()) / range : 0.0;
        break;
    }
    const double newValue = scrollerValue(part, value, knob ? knob->knobProportion : 1.0);
    if (knob) {
        const double k = knob->knobProportion;
        const double coordinate = k * 0.5 + std::clamp(newValue, 0.0, 1.0) * (1.0 - k);
        if (horizontal) {
            center.setX(coordinate);
        } else {
            center.setY(coordinate);
        }
    }
    view_.setViewport(view_.sessionState().zoomFactor, geometry.clampedCenter(center));
    // The scroller's own step must not move the knob a second time.
    scroller->setSliderPosition(scroller->value());
    afterViewportChange();
}

void CanvasNavigationController::afterViewportChange() {
    updateScrollers();
    updateCursor();
    view_.refreshOverlay();
    view_.requestRedraw();
    const EditorCanvasSessionState& state = view_.sessionState();
    if (view_.onViewportChange) view_.onViewportChange(state.zoomFactor, state.center);
}

// --- Zoom and pan ----------------------------------------------------------------------

void CanvasNavigationController::pan(QPointF delta) {
    const EditorCanvasSessionState& state = view_.sessionState();
    QPointF center(0.5, 0.5);
    if (state.zoomFactor > 1.0) {
        const EditorViewportGeometry geometry = view_.viewportGeometry();
        const QSizeF displayed = geometry.displayedImageSize();
        if (displayed.width() > 0.0 && displayed.height() > 0.0) {
            center = geometry.clampedCenter(QPointF(state.center.x() - delta.x() / displayed.width(),
                                                    state.center.y() - delta.y() / displayed.height()));
        }
    }
    view_.setViewport(state.zoomFactor, center);
    afterViewportChange();
}

void CanvasNavigationController::zoom(double requestedFactor, QPointF anchor) {
    if (!std::isfinite(requestedFactor)) return;
    const EditorViewportGeometry before = view_.viewportGeometry();
    const std::vector<QRectF> panels = before.panelRects();
    QRectF anchorPanel = panels.empty() ? QRectF() : panels.front();
    for (const QRectF& panel : panels) {
        if (EditorViewportGeometry::containsClosed(panel, anchor)) {
            anchorPanel = panel;
            break;
        }
    }
    const double z = std::clamp(requestedFactor, 1.0, EditorCanvasView::kMaximumZoom);
    QPointF center = view_.sessionState().center;
    if (std::abs(z - view_.sessionState().zoomFactor) <= kZoomChangeTolerance) return;
    view_.setViewport(z, center);
    const EditorViewportGeometry after = view_.viewportGeometry();
    const QSizeF s0 = before.displayedImageSize();
    const QSizeF s1 = after.displayedImageSize();
    if (s0.width() > 0.0 && s0.height() > 0.0 && s1.width() > 0.0 && s1.height() > 0.0) {
        const QPointF offset = anchor - anchorPanel.center();
        center = QPointF(center.x() + offset.x() / s0.width() - offset.x() / s1.width(),
                         center.y() + offset.y() / s0.height() - offset.y() / s1.height());
    }
    view_.setViewport(z, after.clampedCenter(center));
    afterViewportChange();
    if (view_.onZoomChange) view_.onZoomChange(z);
}

// --- The pan gesture -------------------------------------------------------------------

bool CanvasNavigationController::primaryPressPans() const {
    const EditorCanvasSessionState& state = view_.sessionState();
    const bool moving = state.isMoveMode || isSpacebarHeld_;
    return moving && state.zoomFactor > 1.0 && state.tab != EditorTab::animate;
}

bool CanvasNavigationController::middlePressPans() const {
    return view_.sessionState().zoomFactor > kMoveZoomThreshold;
}

void CanvasNavigationController::beginPan(QPointF point, Qt::MouseButton button) {
    panPoint_ = point;
    panButton_ = button;
    updateCursor();
}

void CanvasNavigationController::dragPan(QPointF point) {
    hoverPoint_ = point;
    pan(point - panPoint_);
    panPoint_ = point;
}

// --- Cursor ----------------------------------------------------------------------------

bool CanvasNavigationController::shouldHideSystemCursor() const {
    const EditorCanvasSessionState& state = view_.sessionState();
    if (view_.isInteractionSuspended() || !showsBrushOutline(state.tool) || !hoverPoint_) return false;
    const EditorViewportGeometry geometry = view_.viewportGeometry();
    const std::vector<QRectF> panels = geometry.panelRects();
    const QPointF center = geometry.clampedCenter(state.center);
    switch (state.tab) {
    case EditorTab::original:
    case EditorTab::simulation:
        return !panels.empty() && EditorViewportGeometry::containsClosed(panels[0], *hoverPoint_) &&
               EditorViewportGeometry::containsClosed(geometry.imageRect(panels[0], center), *hoverPoint_);
    case EditorTab::comparison:
        return panels.size() == 2 && EditorViewportGeometry::containsClosed(panels[1], *hoverPoint_) &&
               EditorViewportGeometry::containsClosed(geometry.imageRect(panels[1], center), *hoverPoint_);
    case EditorTab::animate:
        return false;
    }
    return false;
}

void CanvasNavigationController::setViewCursor(Qt::CursorShape shape) {
    cursorHideLeaseActive_ = false;
    view_.setCursor(shape);
}

void CanvasNavigationController::releaseCursorLease() {
    if (!cursorHideLeaseActive_) return;
    cursorHideLeaseActive_ = false;
    view_.setCursor(Qt::ArrowCursor);
}

void CanvasNavigationController::updateCursor() {
    if (view_.isInteractionSuspended()) return;
    const EditorCanvasSessionState& state = view_.sessionState();
    if (view_.gesture() == CanvasGesture::pan) {
        setViewCursor(Qt::ClosedHandCursor);
    } else if ((state.isMoveMode || isSpacebarHeld_) && state.zoomFactor > 1.0) {
        setViewCursor(Qt::OpenHandCursor);
    } else if (shouldHideSystemCursor()) {
        if (!cursorHideLeaseActive_) {
            cursorHideLeaseActive_ = true;
            view_.setCursor(Qt::BlankCursor);
        }
    } else {
        setViewCursor(Qt::ArrowCursor);
    }
}

// --- Pointer ---------------------------------------------------------------------------

void CanvasNavigationController::trackHover(QPointF point) {
    if (view_.isInteractionSuspended()) {
        hoverPoint_.reset();
    } else {
        hoverPoint_ = point;
        updateCursor();
    }
    view_.refreshOverlay();
}

void CanvasNavigationController::pointerLeft() {
    hoverPoint_.reset();
    if (!view_.isInteractionSuspended()) setViewCursor(Qt::ArrowCursor);
    view_.refreshOverlay();
}

void CanvasNavigationController::forgetPointer() {
    isSpacebarHeld_ = false;
    hoverPoint_.reset();
    setViewCursor(Qt::ArrowCursor);
}

// --- Wheel, pinch and Spacebar -----------------------------------------------------------

void CanvasNavigationController::wheel(const QWheelEvent& event) {
    const EditorCanvasSessionState& state = view_.sessionState();
    if (view_.isInteractionSuspended() || state.tab == EditorTab::animate) return;

    const Qt::ScrollPhase phase = event.phase();
    if (phase == Qt::ScrollMomentum && suppressesBrushSizeScrollMomentum_) return;
    if (phase == Qt::ScrollEnd && suppressesBrushSizeScrollMomentum_) {
        suppressesBrushSizeScrollMomentum_ = false;
        return;
    }
    const bool precise = !event.pixelDelta().isNull();
    if (!precise || phase == Qt::ScrollBegin) suppressesBrushSizeScrollMomentum_ = false;

    const double deltaX = precise ? event.pixelDelta().x() : event.angleDelta().x() / kAngleDeltaPerLine;
    const double deltaY = precise ? event.pixelDelta().y() : event.angleDelta().y() / kAngleDeltaPerLine;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool resizable = hasAdjustableSize(state.tool) && deltaY != 0.0 && !std::isnan(deltaY);
    // Some platforms turn a vertical wheel with Alt held into a horizontal one.
    const double altDeltaY = deltaY == 0.0 ? deltaX : deltaY;
    const bool altResizable = hasAdjustableSize(state.tool) && altDeltaY != 0.0 && !std::isnan(altDeltaY);

    if (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) {
        const double rate = precise ? kPreciseZoomRate : kLineZoomRate;
        zoom(state.zoomFactor * std::exp(rate * deltaY), event.position());
        return;
    }
    if ((modifiers & Qt::AltModifier) && altResizable) {
        const double diameter = precise ? state.toolDiameter * std::exp(kPreciseBrushRate * altDeltaY)
                                        : state.toolDiameter * std::pow(kLineBrushFactor, altDeltaY);
        if (view_.onBrushDiameterChange) view_.onBrushDiameterChange(diameter);
        suppressesBrushSizeScrollMomentum_ = true;
        return;
    }
    if (!precise && resizable) {
        if (view_.onBrushDiameterChange) {
            view_.onBrushDiameterChange(state.toolDiameter * std::pow(kLineBrushFactor, deltaY));
        }
        return;
    }
    pan(QPointF(deltaX, deltaY));
}

void CanvasNavigationController::pinch(double magnification, QPointF position) {
    if (view_.isInteractionSuspended() || view_.sessionState().tab == EditorTab::animate) return;
    zoom(view_.sessionState().zoomFactor * std::max(1.0 + magnification, kMinimumPinchFactor), position);
}

void CanvasNavigationController::pressSpacebar(bool isAutoRepeat) {
    if (isAutoRepeat && isSpacebarHeld_) return;
    if (view_.sessionState().zoomFactor > kMoveZoomThreshold) {
        isSpacebarHeld_ = true;
        updateCursor();
    } else {
        isSpacebarHeld_ = false;
        if (view_.onTransientMessage) view_.onTransientMessage(EditorMessages::zoomInBeforeMoving());
    }
}

void CanvasNavigationController::releaseSpacebar() {
    isSpacebarHeld_ = false;
    updateCursor();
}

}  // namespace vlt
