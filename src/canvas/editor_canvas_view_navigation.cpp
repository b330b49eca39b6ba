// Layout, scrollers, zoom, pan, pointer, wheel, pinch and keys of the editor canvas.

#include <algorithm>
#include <cmath>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include "canvas/editor_canvas_overlay_view.h"
#include "canvas/editor_canvas_view.h"
#include "editing/session/editor_messages.h"
#include "base/precondition.h"
#include "base/clock.h"
#include "base/main_thread.h"

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

bool containsClosed(const QRectF& rect, QPointF point) {
    return point.x() >= rect.left() && point.x() <= rect.right() && point.y() >= rect.top() &&
           point.y() <= rect.bottom();
}

}  // namespace

// --- Point mapping -------------------------------------------------------------------

std::optional<Float2> EditorCanvasView::canvasPoint(QPointF viewPoint, bool refusingReadOnlyPanels) const {
    if (!canvas_) return std::nullopt;
    const EditorViewportGeometry geometry = viewportGeometry();
    const std::vector<QRectF> panels = geometry.panelRects();
    std::optional<std::size_t> panelIndex;
    for (std::size_t index = 0; index < panels.size(); ++index) {
        if (containsClosed(panels[index], viewPoint)) {
            panelIndex = index;
            break;
        }
    }
    if (!panelIndex) return std::nullopt;
    if (refusingReadOnlyPanels) {
        if (state_.tab == EditorTab::animate) return std::nullopt;
        if (state_.tab == EditorTab::comparison && *panelIndex == 0) return std::nullopt;
    }
    const QRectF image = geometry.imageRect(panels[*panelIndex], geometry.clampedCenter(state_.center));
    if (!containsClosed(image, viewPoint) || image.width() <= 0.0 || image.height() <= 0.0) return std::nullopt;
    const ImageSize size = canvas_->descriptor().canvasSize;
    const double spanX = std::max<double>(static_cast<double>(size.width - 1), 1.0);
    const double spanY = std::max<double>(static_cast<double>(size.height - 1), 1.0);
    return Float2{static_cast<float>((viewPoint.x() - image.x()) / image.width() * spanX),
                  static_cast<float>((viewPoint.y() - image.y()) / image.height() * spanY)};
}

// --- Layout and scrollers ------------------------------------------------------------

void EditorCanvasView::layoutScrollers() {
    const double w = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, horizontalScroller_);
    const double W = width();
    const double H = height();
    horizontalScroller_->setGeometry(
        QRectF(kScrollerInset, std::max(H - w - kScrollerEdgeGap, 0.0), std::max(W - w - kScrollerLengthInset, 0.0), w)
            .toRect());
    verticalScroller_->setGeometry(
        QRectF(std::max(W - w - kScrollerEdgeGap, 0.0), kScrollerInset, w, std::max(H - w - kScrollerLengthInset, 0.0))
            .toRect());
}

void EditorCanvasView::reportFitScaleIfChanged() {
    const double fitScale = viewportGeometry().fitScale();
    if (std::abs(fitScale - reportedFitScale_) > kFitScaleTolerance) {
        reportedFitScale_ = fitScale;
        if (onFitScaleChange) onFitScaleChange(fitScale);
    }
}

void EditorCanvasView::updateScrollers() {
    const EditorViewportGeometry geometry = viewportGeometry();
    updatingScrollers_ = true;
    for (QScrollBar* scroller : {horizontalScroller_, verticalScroller_}) {
        const auto knob = geometry.scrollerKnob(scroller == horizontalScroller_, state_.center);
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

double EditorCanvasView::scrollerValue(ScrollerPart part, double value, double knobProportion) {
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

void EditorCanvasView::scrollerChanged(bool horizontal, int action) {
    if (updatingScrollers_) return;
    QScrollBar* scroller = horizontal ? horizontalScroller_ : verticalScroller_;
    const EditorViewportGeometry geometry = viewportGeometry();
    const auto knob = geometry.scrollerKnob(horizontal, state_.center);
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
            state_.center.setX(coordinate);
        } else {
            state_.center.setY(coordinate);
        }
    }
    state_.center = geometry.clampedCenter(state_.center);
    // The scroller's own step must not move the knob a second time.
    scroller->setSliderPosition(scroller->value());
    afterViewportChange();
}

void EditorCanvasView::afterViewportChange() {
    updateScrollers();
    updateCursor();
    refreshOverlay();
    requestRedraw();
    if (onViewportChange) onViewportChange(state_.zoomFactor, state_.center);
}

// --- Zoom and pan ----------------------------------------------------------------------

void EditorCanvasView::pan(QPointF delta) {
    if (state_.zoomFactor <= 1.0) {
        state_.center = QPointF(0.5, 0.5);
    } else {
        const EditorViewportGeometry geometry = viewportGeometry();
        const QSizeF displayed = geometry.displayedImageSize();
        if (displayed.width() > 0.0 && displayed.height() > 0.0) {
            state_.center = geometry.clampedCenter(QPointF(state_.center.x() - delta.x() / displayed.width(),
                                                           state_.center.y() - delta.y() / displayed.height()));
        } else {
            state_.center = QPointF(0.5, 0.5);
        }
    }
    afterViewportChange();
}

void EditorCanvasView::zoom(double requestedFactor, QPointF anchor) {
    if (!std::isfinite(requestedFactor)) return;
    const EditorViewportGeometry before = viewportGeometry();
    const std::vector<QRectF> panels = before.panelRects();
    QRectF anchorPanel = panels.empty() ? QRectF() : panels.front();
    for (const QRectF& panel : panels) {
        if (containsClosed(panel, anchor)) {
            anchorPanel = panel;
            break;
        }
    }
    const double z = std::clamp(requestedFactor, 1.0, kMaximumZoom);
    if (std::abs(z - state_.zoomFactor) <= kZoomChangeTolerance) return;
    state_.zoomFactor = z;
    const EditorViewportGeometry after = viewportGeometry();
    const QSizeF s0 = before.displayedImageSize();
    const QSizeF s1 = after.displayedImageSize();
    if (s0.width() > 0.0 && s0.height() > 0.0 && s1.width() > 0.0 && s1.height() > 0.0) {
        const QPointF offset = anchor - anchorPanel.center();
        state_.center = QPointF(state_.center.x() + offset.x() / s0.width() - offset.x() / s1.width(),
                                state_.center.y() + offset.y() / s0.height() - offset.y() / s1.height());
    }
    state_.center = after.clampedCenter(state_.center);
    updateScrollers();
    updateCursor();
    refreshOverlay();
    requestRedraw();
    if (onViewportChange) onViewportChange(state_.zoomFactor, state_.center);
    if (onZoomChange) onZoomChange(state_.zoomFactor);
}

bool EditorCanvasView::startPan(QPointF point) {
    const bool moving = state_.isMoveMode || isTemporarilyMoving_;
    if (!moving || state_.zoomFactor <= 1.0 || state_.tab == EditorTab::animate) return false;
    lastDragPoint_ = point;
    panButton_ = Qt::LeftButton;
    updateCursor();
    return true;
}

// --- Cursor ----------------------------------------------------------------------------

bool EditorCanvasView::shouldHideSystemCursor() const {
    if (isInteractionSuspended_ || !showsBrushOutline(state_.tool) || !hoverPoint_) return false;
    const EditorViewportGeometry geometry = viewportGeometry();
    const std::vector<QRectF> panels = geometry.panelRects();
    const QPointF center = geometry.clampedCenter(state_.center);
    switch (state_.tab) {
    case EditorTab::original:
    case EditorTab::simulation:
        return !panels.empty() && containsClosed(panels[0], *hoverPoint_) &&
               containsClosed(geometry.imageRect(panels[0], center), *hoverPoint_);
    case EditorTab::comparison:
        return panels.size() == 2 && containsClosed(panels[1], *hoverPoint_) &&
               containsClosed(geometry.imageRect(panels[1], center), *hoverPoint_);
    case EditorTab::animate:
        return false;
    }
    return false;
}

void EditorCanvasView::setViewCursor(Qt::CursorShape shape) {
    cursorHideLeaseActive_ = false;
    setCursor(shape);
}

void EditorCanvasView::releaseCursorLease() {
    if (!cursorHideLeaseActive_) return;
    cursorHideLeaseActive_ = false;
    setCursor(Qt::ArrowCursor);
}

void EditorCanvasView::updateCursor() {
    if (isInteractionSuspended_) return;
    if (lastDragPoint_) {
        setViewCursor(Qt::ClosedHandCursor);
    } else if ((state_.isMoveMode || isTemporarilyMoving_) && state_.zoomFactor > 1.0) {
        setViewCursor(Qt::OpenHandCursor);
    } else if (shouldHideSystemCursor()) {
        if (!cursorHideLeaseActive_) {
            cursorHideLeaseActive_ = true;
            setCursor(Qt::BlankCursor);
        }
    } else {
        setViewCursor(Qt::ArrowCursor);
    }
}

void EditorCanvasView::forgetPointer() {
    lastDragPoint_.reset();
    panButton_ = Qt::NoButton;
    isTemporarilyMoving_ = false;
    hoverPoint_.reset();
    setViewCursor(Qt::ArrowCursor);
}

// --- Pointer ---------------------------------------------------------------------------

void EditorCanvasView::mousePressEvent(QMouseEvent* event) {
    VLT_PRECONDITION(isMainThread(), "pointer input arrives on the main thread");
    const QPointF point = event->position();
    const double now = clock_.uptimeSeconds();
    event->accept();
    if (isInteractionSuspended_) return;

    if (event->button() == Qt::LeftButton) {
        handlePrimaryPress(point, now);
        return;
    }
    if (event->button() == Qt::MiddleButton || event->button() == Qt::RightButton) {
        if (state_.tab == EditorTab::animate) {
            if (!isPaused() && onTransientMessage) onTransientMessage(EditorMessages::stopAnimationHint());
            return;
        }
        if (event->button() == Qt::RightButton) {
            event->ignore();
            return;
        }
        if (state_.zoomFactor > kMoveZoomThreshold) {
            setFocus(Qt::MouseFocusReason);
            hoverPoint_ = point;
            refreshOverlay();
            lastDragPoint_ = point;
            panButton_ = Qt::MiddleButton;
            updateCursor();
        } else if (onTransientMessage) {
            onTransientMessage(EditorMessages::zoomInBeforeMoving());
        }
        return;
    }
    event->ignore();
}

void EditorCanvasView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The canvas tells double clicks apart itself (held annotation clicks).
    mousePressEvent(event);
}

void EditorCanvasView::handlePrimaryPress(QPointF point, double now) {
    setFocus(Qt::MouseFocusReason);
    hoverPoint_ = point;
    refreshOverlay();

    const EditorViewportGeometry geometry = viewportGeometry();
    const std::vector<QRectF> panels = geometry.panelRects();
    if (state_.tab == EditorTab::animate) {
        if (canvasPoint(point, false) && onTransientMessage) {
            onTransientMessage(EditorMessages::animateTabReadOnly());
        }
        return;
    }
    if (startPan(point)) return;
    if (state_.tab == EditorTab::comparison && !panels.empty() && containsClosed(panels[0], point) &&
        canvasPoint(point, false)) {
        if (onTransientMessage) onTransientMessage(EditorMessages::originalImageReadOnly());
        return;
    }
    if (isHistoryBusy_ || hasGraphicsFailure_) return;
    std::optional<Float2> mapped = canvasPoint(point, true);
    if (!mapped) return;
    if (state_.tab == EditorTab::original) {
        state_.tab = EditorTab::simulation;
        if (onSelectTab) onSelectTab(EditorTab::simulation);
        const ImageSize size = canvas_->descriptor().canvasSize;
        mapped->x = std::clamp(mapped->x, 0.0f, static_cast<float>(std::max<std::int64_t>(size.width - 1, 0)));
        mapped->y = std::clamp(mapped->y, 0.0f, static_cast<float>(std::max<std::int64_t>(size.height - 1, 0)));
    }
    if (state_.tool != EditorTool::selectMove && handleAnnotationClick(*mapped, point, now)) return;
    if (isReshapeTool(state_.tool)) {
        beginStroke(deformationTool(state_.tool), *mapped, static_cast<float>(state_.toolDiameter * 0.5), now);
        return;
    }
    beginAnnotationGesture(state_.tool, *mapped, state_.annotationColor, state_.annotationFont,
                           static_cast<float>(state_.toolDiameter));
}

void EditorCanvasView::mouseMoveEvent(QMouseEvent* event) {
    VLT_PRECONDITION(isMainThread(), "pointer input arrives on the main thread");
    const QPointF point = event->position();
    const double now = clock_.uptimeSeconds();
    event->accept();

    if (event->buttons() == Qt::NoButton) {
        if (isInteractionSuspended_) {
            hoverPoint_.reset();
        } else {
            hoverPoint_ = point;
            updateCursor();
        }
        refreshOverlay();
        return;
    }

    if (event->buttons() & Qt::MiddleButton) {
        if (panButton_ == Qt::MiddleButton && lastDragPoint_) {
            hoverPoint_ = point;
            pan(point - *lastDragPoint_);
            lastDragPoint_ = point;
        }
        return;
    }
    if (!(event->buttons() & Qt::LeftButton)) return;

    hoverPoint_ = point;
    updateCursor();
    refreshOverlay();
    if (lastDragPoint_) {
        pan(point - *lastDragPoint_);
        lastDragPoint_ = point;
        return;
    }
    if (promotePendingAnnotationClick(point)) return;
    if (activeAnnotationGesture_) {
        if (auto mapped = canvasPoint(point, true)) updateAnnotationGesture(*mapped);
        return;
    }
    if (isStrokeActive_) {
        if (auto mapped = canvasPoint(point, true)) {
            queueStrokeMove(*mapped, static_cast<float>(state_.toolDiameter * 0.5), now);
        }
    }
}

void EditorCanvasView::mouseReleaseEvent(QMouseEvent* event) {
    VLT_PRECONDITION(isMainThread(), "pointer input arrives on the main thread");
    event->accept();
    if (event->button() != Qt::LeftButton) {
        if (isInteractionSuspended_) return;
        if (panButton_ == event->button() || event->button() == Qt::MiddleButton) {
            lastDragPoint_.reset();
            panButton_ = Qt::NoButton;
        }
        updateCursor();
        return;
    }
    if (lastDragPoint_ && panButton_ == Qt::LeftButton) {
        lastDragPoint_.reset();
        panButton_ = Qt::NoButton;
        updateCursor();
        return;
    }
    if (schedulePendingAnnotationClick()) return;
    if (activeAnnotationGesture_) {
        finishAnnotationGesture(true);
        return;
    }
    endStroke();
}

void EditorCanvasView::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (isInteractionSuspended_) {
        hoverPoint_.reset();
    } else {
        hoverPoint_ = event->position();
        updateCursor();
    }
    refreshOverlay();
}

void EditorCanvasView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    hoverPoint_.reset();
    if (!isInteractionSuspended_) setViewCursor(Qt::ArrowCursor);
    refreshOverlay();
}

// --- Wheel and pinch -------------------------------------------------------------------

void EditorCanvasView::wheelEvent(QWheelEvent* event) {
    VLT_PRECONDITION(isMainThread(), "wheel input arrives on the main thread");
    event->accept();
    if (isInteractionSuspended_ || state_.tab == EditorTab::animate) return;

    const Qt::ScrollPhase phase = event->phase();
    if (phase == Qt::ScrollMomentum && suppressesBrushSizeScrollMomentum_) return;
    if (phase == Qt::ScrollEnd && suppressesBrushSizeScrollMomentum_) {
        suppressesBrushSizeScrollMomentum_ = false;
        return;
    }
    const bool precise = !event->pixelDelta().isNull();
    if (!precise || phase == Qt::ScrollBegin) suppressesBrushSizeScrollMomentum_ = false;

    const double deltaX = precise ? event->pixelDelta().x() : event->angleDelta().x() / kAngleDeltaPerLine;
    const double deltaY = precise ? event->pixelDelta().y() : event->angleDelta().y() / kAngleDeltaPerLine;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool resizable = hasAdjustableSize(state_.tool) && deltaY != 0.0 && !std::isnan(deltaY);
    // Some platforms turn a vertical wheel with Alt held into a horizontal one.
    const double altDeltaY = deltaY == 0.0 ? deltaX : deltaY;
    const bool altResizable = hasAdjustableSize(state_.tool) && altDeltaY != 0.0 && !std::isnan(altDeltaY);

    if (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) {
        const double rate = precise ? kPreciseZoomRate : kLineZoomRate;
        zoom(state_.zoomFactor * std::exp(rate * deltaY), event->position());
        return;
    }
    if ((modifiers & Qt::AltModifier) && altResizable) {
        const double diameter = precise ? state_.toolDiameter * std::exp(kPreciseBrushRate * altDeltaY)
                                        : state_.toolDiameter * std::pow(kLineBrushFactor, altDeltaY);
        if (onBrushDiameterChange) onBrushDiameterChange(diameter);
        suppressesBrushSizeScrollMomentum_ = true;
        return;
    }
    if (!precise && resizable) {
        if (onBrushDiameterChange) onBrushDiameterChange(state_.toolDiameter * std::pow(kLineBrushFactor, deltaY));
        return;
    }
    pan(QPointF(deltaX, deltaY));
}

bool EditorCanvasView::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::NativeGesture: {
        auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            if (!isInteractionSuspended_ && state_.tab != EditorTab::animate) {
                zoom(state_.zoomFactor * std::max(1.0 + gesture->value(), kMinimumPinchFactor), gesture->position());
            }
            return true;
        }
        break;
    }
    case QEvent::WindowDeactivate:
        cancelGesture();
        forgetPointer();
        refreshOverlay();
        break;
    case QEvent::ParentChange:
        hoverPoint_.reset();
        forgetPointer();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// --- Keys ------------------------------------------------------------------------------

void EditorCanvasView::keyPressEvent(QKeyEvent* event) {
    VLT_PRECONDITION(isMainThread(), "key input arrives on the main thread");
    if (state_.tab == EditorTab::animate) {
        event->ignore();
        return;
    }
    handleKey(event);
}

void EditorCanvasView::handleKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    event->accept();

    if (key == Qt::Key_Escape) {
        if (!cancelGesture()) clearAnnotationSelection();
        return;
    }
    if (modifiers & Qt::ControlModifier) {
        if (key == Qt::Key_Z) {
            if (modifiers & Qt::ShiftModifier) {
                redo();
            } else {
                undo();
            }
            return;
        }
        if (key == Qt::Key_Y) {
            redo();
            return;
        }
    }
    if (key == Qt::Key_Space) {
        if (event->isAutoRepeat() && isTemporarilyMoving_) return;
        if (state_.zoomFactor > kMoveZoomThreshold) {
            isTemporarilyMoving_ = true;
            updateCursor();
        } else {
            isTemporarilyMoving_ = false;
            if (onTransientMessage) onTransientMessage(EditorMessages::zoomInBeforeMoving());
        }
        return;
    }
    if (modifiers == Qt::NoModifier) {
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            if (deleteSelectedAnnotation()) return;
            event->ignore();
            return;
        }
        if (key == Qt::Key_F2) {
            if (editSelectedTextAnnotation()) return;
            event->ignore();
            return;
        }
        const QString text = event->text().toLower();
        if (text.size() == 1) {
            if (auto tool = editorToolForShortcut(text.front())) {
                if (activeAnnotationGesture_) {
                    finishAnnotationGesture(true);
                } else if (isStrokeActive_) {
                    endStroke();
                }
                if (onToolShortcut) onToolShortcut(*tool);
                return;
            }
        }
    }
    event->ignore();
}

void EditorCanvasView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        isTemporarilyMoving_ = false;
        lastDragPoint_.reset();
        panButton_ = Qt::NoButton;
        updateCursor();
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

}  // namespace vlt
