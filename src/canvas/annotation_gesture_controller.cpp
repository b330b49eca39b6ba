#include "canvas/annotation_gesture_controller.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QPointer>

#include "canvas/editor_canvas_view.h"
#include "editing/annotations/annotation_bounds.h"
#include "editing/annotations/annotation_hit_test.h"
#include "editing/annotations/annotation_shape_geometry.h"
#include "editing/annotations/interpolated_points.h"
#include "editing/session/editor_action_history.h"

namespace vlt {

namespace {

constexpr double kHitTolerancePoints = 5.0;
constexpr double kDoubleClickDistancePoints = 4.0;
constexpr double kHeldClickDragThresholdPoints = 4.0;
constexpr double kSelectionMarginPoints = 3.0;
constexpr double kMinimumPixelScale = 0.0001;
// The double-click distance when the image is shrunk almost to nothing.
constexpr float kFarDoubleClickDistance = 40000.0f;
constexpr float kMinimumPointSpacingSquared = 0.25f;
constexpr float kMinimumMoveSquared = 0.25f;

float squaredDistance(Float2 a, Float2 b) {
    const Float2 d = a - b;
    return d.x * d.x + d.y * d.y;
}

bool hitTest(const AnnotationObject& object, Float2 point, float tolerance) {
    return annotationContentHitTest(object.content, point - object.translation, std::max(tolerance, 0.0f));
}

const AnnotationObject* findObject(const std::vector<AnnotationObject>& objects, const QUuid& id) {
    for (const AnnotationObject& object : objects) {
        if (object.id == id) return &object;
    }
    return nullptr;
}

}  // namespace

AnnotationGestureController::AnnotationGestureController(EditorCanvasView& view, EditorActionHistory& history,
                                                         Scheduler& scheduler)
    : view_(view), history_(history), scheduler_(scheduler) {}

AnnotationGestureController::~AnnotationGestureController() { heldClickWork_.cancel(); }

double AnnotationGestureController::pixelScale() const {
    const SharedEditingCanvas& canvas = view_.canvas();
    if (!canvas) return 1.0;
    const double canvasWidth = static_cast<double>(canvas->descriptor().canvasSize.width);
    return std::max(view_.viewportGeometry().displayedImageSize().width() / std::max(canvasWidth, 1.0),
                    kMinimumPixelScale);
}

std::optional<QUuid> AnnotationGestureController::topmostAnnotation(Float2 point, float tolerance) const {
    const auto& objects = presentation_.objects;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (hitTest(*it, point, tolerance)) return it->id;
    }
    return std::nullopt;
}

// --- Held click ------------------------------------------------------------------------

AnnotationGestureController::PressOutcome AnnotationGestureController::press(Float2 point, QPointF viewPoint,
                                                                             double now) {
    const double scale = pixelScale();
    const std::optional<QUuid> hit = topmostAnnotation(point, static_cast<float>(kHitTolerancePoints / scale));
    if (!hit) return PressOutcome::notTaken;

    if (heldClick_ && !heldClick_->isPointerDown && heldClick_->annotationID == *hit) {
        float distance = static_cast<float>(kDoubleClickDistancePoints);
        if (view_.canvas()) {
            distance = scale <= kMinimumPixelScale ? kFarDoubleClickDistance
                                                   : static_cast<float>(kDoubleClickDistancePoints / scale);
        }
        if (squaredDistance(point, heldClick_->imagePoint) <= distance * distance) {
            dropHeldClick();
            presentation_.selectedID = *hit;
            activeGesture_.reset();
            refreshPresentation();
            return PressOutcome::selectedForMoving;
        }
    }
    flushHeldClick();

    dropHeldClick();
    const EditorCanvasSessionState& state = view_.sessionState();
    heldClick_ = PendingAnnotationClick{QUuid::createUuid(),
                                        *hit,
                                        point,
                                        viewPoint,
                                        state.tool,
                                        static_cast<float>(state.toolDiameter),
                                        state.annotationColor,
                                        state.annotationFont,
                                        now,
                                        true};
    return PressOutcome::held;
}

std::optional<PendingAnnotationClick> AnnotationGestureController::takeDraggedHeldClick(QPointF viewPoint) {
    if (!heldClick_ || !heldClick_->isPointerDown) return std::nullopt;
    const QPointF moved = viewPoint - heldClick_->viewPoint;
    if (std::hypot(moved.x(), moved.y()) <= kHeldClickDragThresholdPoints) return std::nullopt;
    const PendingAnnotationClick click = *heldClick_;
    dropHeldClick();
    return click;
}

void AnnotationGestureController::releaseHeldClick() {
    if (!heldClick_ || !heldClick_->isPointerDown) return;
    heldClick_->isPointerDown = false;
    heldClickWork_.cancel();
    const QUuid clickID = heldClick_->id;
    QPointer<EditorCanvasView> view(&view_);
    const double interval = QApplication::doubleClickInterval() / 1000.0;
    heldClickWork_ = scheduler_.schedule(interval, [this, view, clickID] {
        if (!view || !heldClick_) return;
        if (heldClick_->id != clickID || heldClick_->isPointerDown) return;
        const PendingAnnotationClick click = *heldClick_;
        heldClick_.reset();
        heldClickWork_ = ScheduledWork();
        performHeldClick(click);
    });
}

void AnnotationGestureController::flushHeldClick() {
    if (!heldClick_ || heldClick_->isPointerDown) return;
    const PendingAnnotationClick click = *heldClick_;
    dropHeldClick();
    performHeldClick(click);
}

void AnnotationGestureController::dropHeldClick() {
    heldClickWork_.cancel();
    heldClick_.reset();
}

void AnnotationGestureController::performHeldClick(const PendingAnnotationClick& click) {
    switch (click.tool) {
    case EditorTool::push:
    case EditorTool::grow:
    case EditorTool::shrink:
    case EditorTool::reconstruct:
        view_.clickBrush(click.tool, click.imagePoint, click.diameter * 0.5f, click.timestamp);
        return;
    case EditorTool::draw:
        history_.record(EditorAction::annotationAdd(AnnotationObject{
            QUuid::createUuid(), AnnotationStroke{{click.imagePoint}, click.diameter, click.color}, {}}));
        refreshPresentation();
        view_.updateHistoryAvailability();
        return;
    case EditorTool::text:
        requestTextEntry(click.imagePoint, click.color, click.font);
        return;
    case EditorTool::eraser:
        if (findObject(presentation_.objects, click.annotationID) == nullptr) return;
        history_.record(EditorAction::annotationDelete({click.annotationID}));
        if (presentation_.selectedID == click.annotationID) presentation_.selectedID.reset();
        refreshPresentation();
        view_.updateHistoryAvailability();
        return;
    case EditorTool::selectMove:
    case EditorTool::line:
    case EditorTool::rectangle:
    case EditorTool::filledRectangle:
    case EditorTool::circle:
    case EditorTool::filledCircle:
        return;
    }
}

void AnnotationGestureController::requestTextEntry(Float2 origin, AnnotationColor color, AnnotationFontStyle font) {
    if (!view_.onTextEntryRequest) return;
    view_.onTextEntryRequest(AnnotationTextRequest{
        QUuid::createUuid(), AnnotationTextRequest::Add{origin, color, std::move(font)}, QString()});
}

// --- Gestures --------------------------------------------------------------------------

std::optional<QUuid> AnnotationGestureController::selectedAnnotation(Float2 point) const {
    if (!presentation_.selectedID) return std::nullopt;
    const AnnotationObject* selected = findObject(presentation_.objects, *presentation_.selectedID);
    if (selected == nullptr) return std::nullopt;
    const double margin = kSelectionMarginPoints / pixelScale();
    const QRectF bounds = annotationContentBounds(selected->content)
                              .translated(selected->translation.x, selected->translation.y)
                              .adjusted(-margin, -margin, margin, margin);
    if (bounds.isNull()) return std::nullopt;
    const QPointF p(point.x, point.y);
    if (p.x() >= bounds.left() && p.x() <= bounds.right() && p.y() >= bounds.top() && p.y() <= bounds.bottom()) {
        return selected->id;
    }
    return std::nullopt;
}

bool AnnotationGestureController::beginGesture(EditorTool tool, Float2 point, AnnotationColor color,
                                               AnnotationFontStyle font, float size) {
    switch (tool) {
    case EditorTool::selectMove: {
        std::optional<QUuid> target = selectedAnnotation(point);
        if (!target) target = topmostAnnotation(point, static_cast<float>(kHitTolerancePoints / pixelScale()));
        presentation_.selectedID = target;
        if (target) activeGesture_ = ActiveAnnotationGesture{ActiveAnnotationGesture::Move{*target, point, point}};
        break;
    }
    case EditorTool::draw:
        activeGesture_ = ActiveAnnotationGesture{ActiveAnnotationGesture::Stroke{{point}, size, color}};
        break;
    case EditorTool::line:
    case EditorTool::rectangle:
    case EditorTool::filledRectangle:
    case EditorTool::circle:
    case EditorTool::filledCircle:
        activeGesture_ = ActiveAnnotationGesture{ActiveAnnotationGesture::Shape{tool, point, point, size, color}};
        break;
    case EditorTool::text:
        requestTextEntry(point, color, std::move(font));
        return false;
    case EditorTool::eraser: {
        ActiveAnnotationGesture::Eraser eraser;
        eraser.radius = std::max(size * 0.5f, 0.5f);
        eraser.lastPoint = point;
        eraseAnnotations(point, eraser.radius, eraser);
        activeGesture_ = ActiveAnnotationGesture{std::move(eraser)};
        break;
    }
    case EditorTool::push:
    case EditorTool::grow:
    case EditorTool::shrink:
    case EditorTool::reconstruct:
        return false;
    }
    refreshPresentation();
    return activeGesture_.has_value();
}

void AnnotationGestureController::updateGesture(Float2 point) {
    if (!activeGesture_) return;
    bool changed = false;
    std::visit(
        [&](auto& gesture) {
            using Gesture = std::decay_t<decltype(gesture)>;
            if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Stroke>) {
                if (squaredDistance(point, gesture.points.back()) >= kMinimumPointSpacingSquared) {
                    gesture.points.push_back(point);
                    changed = true;
                }
            } else if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Shape>) {
                gesture.end = point;
                changed = true;
            } else if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Move>) {
                gesture.current = point;
                changed = true;
            } else {
                if (squaredDistance(point, gesture.lastPoint) < kMinimumPointSpacingSquared) return;
                const float spacing = std::max(gesture.radius, 1.0f);
                for (const Float2 sample : interpolatedPoints(gesture.lastPoint, point, spacing)) {
                    eraseAnnotations(sample, gesture.radius, gesture);
                }
                gesture.lastPoint = point;
                changed = true;
            }
        },
        activeGesture_->value);
    if (changed) refreshPresentation();
}

void AnnotationGestureController::eraseAnnotations(Float2 point, float radius,
                                                   ActiveAnnotationGesture::Eraser& eraser) {
    const auto& objects = presentation_.objects;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (eraser.erasedIDs.contains(it->id)) continue;
        if (!hitTest(*it, point, radius)) continue;
        eraser.erasedIDs.insert(it->id);
        eraser.erasedOrder.push_back(it->id);
        if (presentation_.selectedID == it->id) presentation_.selectedID.reset();
        return;
    }
}

void AnnotationGestureController::finishGesture(bool commit) {
    if (!activeGesture_) return;
    const ActiveAnnotationGesture gesture = std::move(*activeGesture_);
    activeGesture_.reset();
    if (!commit) {
        refreshPresentation();
        return;
    }
    bool recorded = false;
    std::visit(
        [&](const auto& finished) {
            using Gesture = std::decay_t<decltype(finished)>;
            if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Stroke>) {
                history_.record(EditorAction::annotationAdd(AnnotationObject{
                    QUuid::createUuid(), AnnotationStroke{finished.points, finished.size, finished.color}, {}}));
                recorded = true;
            } else if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Shape>) {
                // A shape that would draw nothing is not kept.
                const AnnotationShape shape{finished.tool, finished.start, finished.end, finished.size, finished.color};
                if (annotationShapeIsDrawable(shape)) {
                    history_.record(EditorAction::annotationAdd(AnnotationObject{QUuid::createUuid(), shape, {}}));
                    recorded = true;
                }
            } else if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Move>) {
                const Float2 delta = finished.current - finished.start;
                if (delta.x * delta.x + delta.y * delta.y >= kMinimumMoveSquared) {
                    history_.record(EditorAction::annotationMove(finished.id, delta));
                    recorded = true;
                }
            } else {
                if (!finished.erasedOrder.empty()) {
                    history_.record(EditorAction::annotationDelete(finished.erasedOrder));
                    recorded = true;
                }
            }
        },
        gesture.value);
    refreshPresentation();
    if (recorded || !std::holds_alternative<ActiveAnnotationGesture::Shape>(gesture.value)) {
        view_.updateHistoryAvailability();
    }
}

// --- Presentation, selection and commands ------------------------------------------------

void AnnotationGestureController::refreshPresentation() {
    AnnotationPresentation presentation;
    presentation.objects = history_.currentAnnotations();
    if (presentation_.selectedID && findObject(presentation.objects, *presentation_.selectedID) != nullptr) {
        presentation.selectedID = presentation_.selectedID;
    }
    if (activeGesture_) {
        std::visit(
            [&](const auto& gesture) {
                using Gesture = std::decay_t<decltype(gesture)>;
                if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Stroke>) {
                    presentation.draft = AnnotationDraft{AnnotationStroke{gesture.points, gesture.size, gesture.color}};
                } else if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Shape>) {
                    presentation.draft = AnnotationDraft{
                        AnnotationShape{gesture.tool, gesture.start, gesture.end, gesture.size, gesture.color}};
                } else if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Move>) {
                    presentation.selectedID = gesture.id;
                    presentation.moveDelta = gesture.current - gesture.start;
                    presentation.hiddenIDs = {gesture.id};
                } else {
                    presentation.hiddenIDs = gesture.erasedIDs;
                }
            },
            activeGesture_->value);
    }
    presentation_ = std::move(presentation);
    reportSelection();
}

void AnnotationGestureController::reportSelection() {
    bool hasSelection = false;
    bool isText = false;
    if (presentation_.selectedID) {
        if (const AnnotationObject* selected = findObject(presentation_.objects, *presentation_.selectedID)) {
            hasSelection = true;
            isText = std::holds_alternative<AnnotationText>(selected->content);
        }
    }
    if (view_.onAnnotationSelectionChange) view_.onAnnotationSelectionChange(hasSelection, isText);
    view_.refreshOverlay();
}

void AnnotationGestureController::clearSelection() {
    if (!presentation_.selectedID) return;
    presentation_.selectedID.reset();
    presentation_.moveDelta = Float2{};
    reportSelection();
}

void AnnotationGestureController::resetPresentation() { presentation_ = AnnotationPresentation{}; }

bool AnnotationGestureController::deleteSelected() {
    if (activeGesture_ || !presentation_.selectedID) return false;
    const QUuid selected = *presentation_.selectedID;
    if (findObject(presentation_.objects, selected) == nullptr) return false;
    dropHeldClick();
    history_.record(EditorAction::annotationDelete({selected}));
    presentation_.selectedID.reset();
    refreshPresentation();
    view_.updateHistoryAvailability();
    return true;
}

bool AnnotationGestureController::editSelectedText() {
    if (activeGesture_ || !presentation_.selectedID) return false;
    const AnnotationObject* object = findObject(presentation_.objects, *presentation_.selectedID);
    if (object == nullptr) return false;
    const auto* text = std::get_if<AnnotationText>(&object->content);
    if (text == nullptr) return false;
    if (view_.onTextEntryRequest) {
        view_.onTextEntryRequest(
            AnnotationTextRequest{QUuid::createUuid(), AnnotationTextRequest::Edit{object->id}, text->text});
    }
    return true;
}

void AnnotationGestureController::commitTextEntry(const AnnotationTextRequest& request, const QString& text) {
    if (text.trimmed().isEmpty()) return;
    if (const auto* edit = std::get_if<AnnotationTextRequest::Edit>(&request.purpose)) {
        const AnnotationObject* object = findObject(presentation_.objects, edit->annotationID);
        if (object == nullptr) return;
        const auto* existing = std::get_if<AnnotationText>(&object->content);
        if (existing == nullptr || existing->text == text) return;
        AnnotationText replaced = *existing;
        replaced.text = text;
        history_.record(EditorAction::annotationTextEdit(object->id, std::move(replaced)));
    } else {
        const auto& add = std::get<AnnotationTextRequest::Add>(request.purpose);
        history_.record(EditorAction::annotationAdd(
            AnnotationObject{QUuid::createUuid(), AnnotationText{text, add.origin, add.color, add.font}, {}}));
    }
    refreshPresentation();
    view_.updateHistoryAvailability();
}

}  // namespace vlt
