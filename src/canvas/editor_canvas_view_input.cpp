// Pointer, wheel, pinch and key input of the editor canvas: each event goes to the
// gesture that holds the pointer, or starts one.

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QWheelEvent>

#include "canvas/editor_canvas_view.h"
#include "editing/session/editor_messages.h"
#include "editing/session/editor_tab.h"
#include "base/precondition.h"
#include "base/clock.h"
#include "base/main_thread.h"

namespace vlt {

// --- Point mapping -------------------------------------------------------------------

std::optional<Float2> EditorCanvasView::canvasPoint(QPointF viewPoint, bool refusingReadOnlyPanels) const {
    if (!canvas_) return std::nullopt;
    const EditorViewportGeometry geometry = viewportGeometry();
    const std::vector<QRectF> panels = geometry.panelRects();
    std::optional<std::size_t> panelIndex;
    for (std::size_t index = 0; index < panels.size(); ++index) {
        if (EditorViewportGeometry::containsClosed(panels[index], viewPoint)) {
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
    if (!EditorViewportGeometry::containsClosed(image, viewPoint) || image.width() <= 0.0 || image.height() <= 0.0)
        return std::nullopt;
    const ImageSize size = canvas_->descriptor().canvasSize;
    const double spanX = std::max<double>(static_cast<double>(size.width - 1), 1.0);
    const double spanY = std::max<double>(static_cast<double>(size.height - 1), 1.0);
    return Float2{static_cast<float>((viewPoint.x() - image.x()) / image.width() * spanX),
                  static_cast<float>((viewPoint.y() - image.y()) / image.height() * spanY)};
}

// --- Pointer ---------------------------------------------------------------------------

void EditorCanvasView::mousePressEvent(QMouseEvent* event) {
    VLT_PRECONDITION(isMainThread(), "pointer input arrives on the main thread");
    const QPointF point = event->position();
    const Qt::MouseButton button = event->button();
    event->accept();
    if (isInteractionSuspended_) return;

    if (button == Qt::MiddleButton || button == Qt::RightButton) {
        if (state_.tab == EditorTab::animate) {
            if (!isPaused() && onTransientMessage) onTransientMessage(EditorMessages::stopAnimationHint());
            return;
        }
    }
    if (button != Qt::LeftButton && button != Qt::MiddleButton) {
        event->ignore();
        return;
    }
    // The same button pressed again while its gesture lasts means that its release
    // went elsewhere: the gesture ends as on that release.
    if (gesture_ != CanvasGesture::none && gestureButton() == button) releaseButton(button);
    if (gesture_ != CanvasGesture::none) return;
    if (button == Qt::LeftButton) {
        pressPrimary(point, clock_.uptimeSeconds());
    } else {
        pressMiddle(point);
    }
}

void EditorCanvasView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The canvas tells double clicks apart itself (held annotation clicks).
    mousePressEvent(event);
}

void EditorCanvasView::pressPrimary(QPointF point, double now) {
    setFocus(Qt::MouseFocusReason);
    navigation_.setHoverPoint(point);
    refreshOverlay();

    const std::optional<Float2> onImage = canvasPoint(point, false);
    const auto refuse = [this](EditorTab tab, bool onOriginalPanel) {
        const std::optional<QString> refusal = editRefusalMessage(tab, onOriginalPanel);
        if (refusal && onTransientMessage) onTransientMessage(*refusal);
        return refusal.has_value();
    };
    if (state_.tab == EditorTab::animate) {
        if (onImage) refuse(state_.tab, false);
        return;
    }
    if (navigation_.primaryPressPans()) {
        gesture_ = CanvasGesture::pan;
        navigation_.beginPan(point, Qt::LeftButton);
        return;
    }
    std::optional<Float2> mapped = canvasPoint(point, true);
    // A point on the image that maps to no editable pixel lies on the Original panel.
    if (onImage && refuse(state_.tab, !mapped)) return;
    // A stroke still catching up after its release holds the field like a read-back.
    if (isHistoryBusy_ || hasGraphicsFailure_ || strokes_.needsFrames() || !mapped) return;
    if (state_.tab == EditorTab::original) {
        state_.tab = EditorTab::simulation;
        if (onSelectTab) onSelectTab(EditorTab::simulation);
        const ImageSize size = canvas_->descriptor().canvasSize;
        mapped->x = std::clamp(mapped->x, 0.0f, static_cast<float>(std::max<std::int64_t>(size.width - 1, 0)));
        mapped->y = std::clamp(mapped->y, 0.0f, static_cast<float>(std::max<std::int64_t>(size.height - 1, 0)));
    }
    if (state_.tool != EditorTool::selectMove) {
        switch (annotations_.press(*mapped, point, now)) {
        case AnnotationGestureController::PressOutcome::notTaken:
            break;
        case AnnotationGestureController::PressOutcome::held:
            gesture_ = CanvasGesture::heldAnnotationClick;
            return;
        case AnnotationGestureController::PressOutcome::selectedForMoving:
            state_.tool = EditorTool::selectMove;
            refreshOverlay();
            if (onToolShortcut) onToolShortcut(EditorTool::selectMove);
            return;
        }
    }
    if (isReshapeTool(state_.tool)) {
        if (beginStroke(deformationTool(state_.tool), *mapped, static_cast<float>(state_.toolDiameter * 0.5), now)) {
            gesture_ = CanvasGesture::stroke;
        }
        return;
    }
    if (annotations_.beginGesture(state_.tool, *mapped, state_.annotationColor, state_.annotationFont,
                                  static_cast<float>(state_.toolDiameter))) {
        gesture_ = CanvasGesture::annotation;
    }
}

void EditorCanvasView::pressMiddle(QPointF point) {
    if (!navigation_.middlePressPans()) {
        if (onTransientMessage) onTransientMessage(EditorMessages::zoomInBeforeMoving());
        return;
    }
    setFocus(Qt::MouseFocusReason);
    navigation_.setHoverPoint(point);
    refreshOverlay();
    gesture_ = CanvasGesture::pan;
    navigation_.beginPan(point, Qt::MiddleButton);
}

void EditorCanvasView::mouseMoveEvent(QMouseEvent* event) {
    VLT_PRECONDITION(isMainThread(), "pointer input arrives on the main thread");
    const QPointF point = event->position();
    const Qt::MouseButtons buttons = event->buttons();
    event->accept();

    if (buttons == Qt::NoButton) {
        navigation_.trackHover(point);
        return;
    }
    if (buttons & Qt::MiddleButton) {
        if (gesture_ == CanvasGesture::pan && navigation_.panButton() == Qt::MiddleButton) navigation_.dragPan(point);
        return;
    }
    if (buttons & Qt::LeftButton) dragPrimary(point, clock_.uptimeSeconds());
}

void EditorCanvasView::dragPrimary(QPointF point, double now) {
    navigation_.setHoverPoint(point);
    navigation_.updateCursor();
    // While a stroke runs the frame clock, each shown frame brings the overlay up to
    // date; doing it for every pointer event too would repaint the window once per
    // event, several times a frame, on the thread the frames wait for.
    if (gesture_ != CanvasGesture::stroke || isPaused()) refreshOverlay();
    switch (gesture_) {
    case CanvasGesture::none:
        return;
    case CanvasGesture::pan:
        navigation_.dragPan(point);
        return;
    case CanvasGesture::heldAnnotationClick:
        if (auto click = annotations_.takeDraggedHeldClick(point)) startDraggedHeldClick(*click, point);
        return;
    case CanvasGesture::annotation:
        if (auto mapped = canvasPoint(point, true)) annotations_.updateGesture(*mapped);
        return;
    case CanvasGesture::stroke:
        if (auto mapped = canvasPoint(point, true)) {
            strokes_.move(*mapped, static_cast<float>(state_.toolDiameter * 0.5), now);
        }
        return;
    }
}

void EditorCanvasView::mouseReleaseEvent(QMouseEvent* event) {
    VLT_PRECONDITION(isMainThread(), "pointer input arrives on the main thread");
    event->accept();
    const Qt::MouseButton button = event->button();
    if (button == Qt::LeftButton) {
        releaseButton(button);
        return;
    }
    if (isInteractionSuspended_) return;
    // The middle button's release ends any pan.
    if (gesture_ == CanvasGesture::pan && (gestureButton() == button || button == Qt::MiddleButton)) {
        releaseButton(gestureButton());
    }
    navigation_.updateCursor();
}

void EditorCanvasView::startDraggedHeldClick(const PendingAnnotationClick& click, QPointF point) {
    const float radius = click.diameter * 0.5f;
    gesture_ = CanvasGesture::none;
    if (isReshapeTool(click.tool)) {
        if (beginStroke(deformationTool(click.tool), click.imagePoint, radius, click.timestamp)) {
            gesture_ = CanvasGesture::stroke;
        }
    } else if (annotations_.beginGesture(click.tool, click.imagePoint, click.color, click.font, click.diameter)) {
        gesture_ = CanvasGesture::annotation;
    }
    const std::optional<Float2> mapped = canvasPoint(point, true);
    if (!mapped) return;
    if (gesture_ == CanvasGesture::annotation) {
        annotations_.updateGesture(*mapped);
    } else if (gesture_ == CanvasGesture::stroke) {
        // The stroke keeps the tool it was pressed with, whatever the tool is now.
        strokes_.move(*mapped, radius, clock_.uptimeSeconds());
    }
}

Qt::MouseButton EditorCanvasView::gestureButton() const {
    switch (gesture_) {
    case CanvasGesture::none:
        return Qt::NoButton;
    case CanvasGesture::pan:
        return navigation_.panButton();
    case CanvasGesture::heldAnnotationClick:
    case CanvasGesture::annotation:
    case CanvasGesture::stroke:
        return Qt::LeftButton;
    }
    return Qt::NoButton;
}

void EditorCanvasView::releaseButton(Qt::MouseButton button) {
    if (gesture_ == CanvasGesture::none || gestureButton() != button) return;
    const CanvasGesture ended = std::exchange(gesture_, CanvasGesture::none);
    switch (ended) {
    case CanvasGesture::none:
        return;
    case CanvasGesture::pan:
        navigation_.updateCursor();
        return;
    case CanvasGesture::heldAnnotationClick:
        annotations_.releaseHeldClick();
        return;
    case CanvasGesture::annotation:
        annotations_.finishGesture(true);
        return;
    case CanvasGesture::stroke:
        endStroke();
        return;
    }
}

void EditorCanvasView::forgetPointer() {
    if (gesture_ == CanvasGesture::pan) gesture_ = CanvasGesture::none;
    navigation_.forgetPointer();
}

void EditorCanvasView::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    navigation_.trackHover(event->position());
}

void EditorCanvasView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    navigation_.pointerLeft();
}

// --- Wheel, pinch and window -------------------------------------------------------------

void EditorCanvasView::wheelEvent(QWheelEvent* event) {
    VLT_PRECONDITION(isMainThread(), "wheel input arrives on the main thread");
    event->accept();
    navigation_.wheel(*event);
}

bool EditorCanvasView::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::NativeGesture: {
        auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            navigation_.pinch(gesture->value(), gesture->position());
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
        navigation_.pressSpacebar(event->isAutoRepeat());
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
                finishOpenInteraction();
                if (onToolShortcut) onToolShortcut(*tool);
                return;
            }
        }
    }
    event->ignore();
}

void EditorCanvasView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        // Releasing the Spacebar ends a pan, whichever button holds it.
        if (gesture_ == CanvasGesture::pan) gesture_ = CanvasGesture::none;
        navigation_.releaseSpacebar();
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

}  // namespace vlt
