// Annotation gestures of the editor canvas: the held click, selection, drawing, shapes,
// text placement, the eraser and the presentation the overlay draws.

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QLineF>

#include "editing/annotations/annotation_bounds.h"
#include "editing/annotations/annotation_hit_test.h"
#include "canvas/editor_canvas_view.h"
#include "base/clock.h"

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
constexpr float kMinimumShapeLengthSquared = 1.0f;
constexpr float kMinimumMoveSquared = 0.25f;
constexpr float kMinimumRectangleSide = 1.1920929e-7f;
constexpr float kMinimumEraserSegment = 1.1920929e-7f;

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

double EditorCanvasView::pixelScale() const {
    if (!canvas_) return 1.0;
    const double canvasWidth = static_cast<double>(canvas_->descriptor().canvasSize.width);
    return std::max(viewportGeometry().displayedImageSize().width() / std::max(canvasWidth, 1.0), kMinimumPixelScale);
}

std::optional<QUuid> EditorCanvasView::topmostAnnotation(Float2 point, float tolerance) const {
    const auto& objects = annotationPresentation_.objects;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (hitTest(*it, point, tolerance)) return it->id;
    }
    return std::nullopt;
}

// --- Held click ------------------------------------------------------------------------

bool EditorCanvasView::handleAnnotationClick(Float2 point, QPointF viewPoint, double now) {
    const double scale = pixelScale();
    const std::optional<QUuid> hit = topmostAnnotation(point, static_cast<float>(kHitTolerancePoints / scale));
    if (!hit) return false;

    if (pendingAnnotationClick_ && !pendingAnnotationClick_->isPointerDown &&
        pendingAnnotationClick_->annotationID == *hit) {
        float distance = static_cast<float>(kDoubleClickDistancePoints);
        if (canvas_) {
            distance = scale <= kMinimumPixelScale ? kFarDoubleClickDistance
                                                   : static_cast<float>(kDoubleClickDistancePoints / scale);
        }
        if (squaredDistance(point, pendingAnnotationClick_->imagePoint) <= distance * distance) {
            dropPendingAnnotationClick();
            state_.tool = EditorTool::selectMove;
            annotationPresentation_.selectedID = *hit;
            activeAnnotationGesture_.reset();
            refreshAnnotationPresentation();
            if (onToolShortcut) onToolShortcut(EditorTool::selectMove);
            return true;
        }
    }
    if (pendingAnnotationClick_ && !pendingAnnotationClick_->isPointerDown) flushPendingAnnotationClick();

    dropPendingAnnotationClick();
    pendingAnnotationClick_ = PendingAnnotationClick{QUuid::createUuid(),
                                                     *hit,
                                                     point,
                                                     viewPoint,
                                                     state_.tool,
                                                     static_cast<float>(state_.toolDiameter),
                                                     state_.annotationColor,
                                                     state_.annotationFont,
                                                     now,
                                                     true};
    return true;
}

void EditorCanvasView::promotePendingAnnotationClick(QPointF viewPoint) {
    if (!pendingAnnotationClick_ || !pendingAnnotationClick_->isPointerDown) return;
    const QPointF moved = viewPoint - pendingAnnotationClick_->viewPoint;
    if (std::hypot(moved.x(), moved.y()) <= kHeldClickDragThresholdPoints) return;

    const PendingAnnotationClick click = *pendingAnnotationClick_;
    dropPendingAnnotationClick();
    const float radius = click.diameter * 0.5f;
    gesture_ = CanvasGesture::none;
    if (isReshapeTool(click.tool)) {
        if (beginStroke(deformationTool(click.tool), click.imagePoint, radius, click.timestamp)) {
            gesture_ = CanvasGesture::stroke;
        }
    } else if (beginAnnotationGesture(click.tool, click.imagePoint, click.color, click.font, click.diameter)) {
        gesture_ = CanvasGesture::annotation;
    }
    const std::optional<Float2> mapped = canvasPoint(viewPoint, true);
    if (!mapped) return;
    if (activeAnnotationGesture_) {
        updateAnnotationGesture(*mapped);
    } else if (isReshapeTool(click.tool)) {
        // The stroke keeps the tool it was pressed with, whatever the tool is now.
        strokes_.move(*mapped, radius, clock_.uptimeSeconds());
    }
}

bool EditorCanvasView::schedulePendingAnnotationClick() {
    if (!pendingAnnotationClick_ || !pendingAnnotationClick_->isPointerDown) return false;
    pendingAnnotationClick_->isPointerDown = false;
    pendingAnnotationClickWork_.cancel();
    const QUuid clickID = pendingAnnotationClick_->id;
    QPointer<EditorCanvasView> self(this);
    const double interval = QApplication::doubleClickInterval() / 1000.0;
    pendingAnnotationClickWork_ = scheduler_.schedule(interval, [self, clickID] {
        if (!self || !self->pendingAnnotationClick_) return;
        if (self->pendingAnnotationClick_->id != clickID || self->pendingAnnotationClick_->isPointerDown) return;
        const PendingAnnotationClick click = *self->pendingAnnotationClick_;
        self->pendingAnnotationClick_.reset();
        self->pendingAnnotationClickWork_ = ScheduledWork();
        self->performPendingAnnotationClick(click);
    });
    return true;
}

void EditorCanvasView::flushPendingAnnotationClick() {
    if (!pendingAnnotationClick_ || pendingAnnotationClick_->isPointerDown) return;
    const PendingAnnotationClick click = *pendingAnnotationClick_;
    dropPendingAnnotationClick();
    performPendingAnnotationClick(click);
}

void EditorCanvasView::dropPendingAnnotationClick() {
    pendingAnnotationClickWork_.cancel();
    pendingAnnotationClick_.reset();
}

void EditorCanvasView::performPendingAnnotationClick(const PendingAnnotationClick& click) {
    switch (click.tool) {
    case EditorTool::push:
    case EditorTool::grow:
    case EditorTool::shrink:
    case EditorTool::reconstruct:
        if (isHistoryBusy_ || hasGraphicsFailure_ || strokes_.isOpen()) return;
        beginStroke(deformationTool(click.tool), click.imagePoint, click.diameter * 0.5f, click.timestamp);
        endStroke();
        return;
    case EditorTool::draw:
        recordAction(EditorAction::annotationAdd(AnnotationObject{
            QUuid::createUuid(), AnnotationStroke{{click.imagePoint}, click.diameter, click.color}, {}}));
        refreshAnnotationPresentation();
        updateHistoryAvailability();
        return;
    case EditorTool::text:
        requestTextEntry(click.imagePoint, click.color, click.font);
        return;
    case EditorTool::eraser:
        if (findObject(annotationPresentation_.objects, click.annotationID) == nullptr) return;
        recordAction(EditorAction::annotationDelete({click.annotationID}));
        if (annotationPresentation_.selectedID == click.annotationID) annotationPresentation_.selectedID.reset();
        refreshAnnotationPresentation();
        updateHistoryAvailability();
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

void EditorCanvasView::requestTextEntry(Float2 origin, AnnotationColor color, AnnotationFontStyle font) {
    if (!onTextEntryRequest) return;
    onTextEntryRequest(AnnotationTextRequest{QUuid::createUuid(),
                                             AnnotationTextRequest::Add{origin, color, std::move(font)}, QString()});
}

// --- Gestures --------------------------------------------------------------------------

std::optional<QUuid> EditorCanvasView::selectedAnnotation(Float2 point) const {
    if (!annotationPresentation_.selectedID) return std::nullopt;
    const AnnotationObject* selected = findObject(annotationPresentation_.objects, *annotationPresentation_.selectedID);
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

bool EditorCanvasView::beginAnnotationGesture(EditorTool tool, Float2 point, AnnotationColor color,
                                              AnnotationFontStyle font, float size) {
    switch (tool) {
    case EditorTool::selectMove: {
        std::optional<QUuid> target = selectedAnnotation(point);
        if (!target) target = topmostAnnotation(point, static_cast<float>(kHitTolerancePoints / pixelScale()));
        annotationPresentation_.selectedID = target;
        if (target)
            activeAnnotationGesture_ = ActiveAnnotationGesture{ActiveAnnotationGesture::Move{*target, point, point}};
        break;
    }
    case EditorTool::draw:
        activeAnnotationGesture_ = ActiveAnnotationGesture{ActiveAnnotationGesture::Stroke{{point}, size, color}};
        break;
    case EditorTool::line:
    case EditorTool::rectangle:
    case EditorTool::filledRectangle:
    case EditorTool::circle:
    case EditorTool::filledCircle:
        activeAnnotationGesture_ =
            ActiveAnnotationGesture{ActiveAnnotationGesture::Shape{tool, point, point, size, color}};
        break;
    case EditorTool::text:
        requestTextEntry(point, color, std::move(font));
        return false;
    case EditorTool::eraser: {
        ActiveAnnotationGesture::Eraser eraser;
        eraser.radius = std::max(size * 0.5f, 0.5f);
        eraser.lastPoint = point;
        eraseAnnotations(point, eraser.radius, eraser);
        activeAnnotationGesture_ = ActiveAnnotationGesture{std::move(eraser)};
        break;
    }
    case EditorTool::push:
    case EditorTool::grow:
    case EditorTool::shrink:
    case EditorTool::reconstruct:
        return false;
    }
    refreshAnnotationPresentation();
    return activeAnnotationGesture_.has_value();
}

void EditorCanvasView::updateAnnotationGesture(Float2 point) {
    if (!activeAnnotationGesture_) return;
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
                const Float2 segment = point - gesture.lastPoint;
                const float length = segment.length();
                if (length >= kMinimumEraserSegment) {
                    const float spacing = std::max(gesture.radius, 1.0f);
                    const int count = std::max(static_cast<int>(std::ceil(length / spacing)), 1);
                    for (int step = 1; step <= count; ++step) {
                        const float fraction = static_cast<float>(step) / static_cast<float>(count);
                        eraseAnnotations(gesture.lastPoint + segment * fraction, gesture.radius, gesture);
                    }
                }
                gesture.lastPoint = point;
                changed = true;
            }
        },
        activeAnnotationGesture_->value);
    if (changed) refreshAnnotationPresentation();
}

void EditorCanvasView::eraseAnnotations(Float2 point, float radius, ActiveAnnotationGesture::Eraser& eraser) {
    const auto& objects = annotationPresentation_.objects;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (eraser.erasedIDs.contains(it->id)) continue;
        if (!hitTest(*it, point, radius)) continue;
        eraser.erasedIDs.insert(it->id);
        eraser.erasedOrder.push_back(it->id);
        if (annotationPresentation_.selectedID == it->id) annotationPresentation_.selectedID.reset();
        return;
    }
}

void EditorCanvasView::finishAnnotationGesture(bool commit) {
    if (!activeAnnotationGesture_) return;
    const ActiveAnnotationGesture gesture = std::move(*activeAnnotationGesture_);
    activeAnnotationGesture_.reset();
    if (!commit) {
        refreshAnnotationPresentation();
        return;
    }
    bool recorded = false;
    std::visit(
        [&](const auto& finished) {
            using Gesture = std::decay_t<decltype(finished)>;
            if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Stroke>) {
                recordAction(EditorAction::annotationAdd(AnnotationObject{
                    QUuid::createUuid(), AnnotationStroke{finished.points, finished.size, finished.color}, {}}));
                recorded = true;
            } else if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Shape>) {
                const Float2 d = finished.end - finished.start;
                bool large = d.x * d.x + d.y * d.y >= kMinimumShapeLengthSquared;
                const bool rectangular =
                    finished.tool == EditorTool::rectangle || finished.tool == EditorTool::filledRectangle;
                if (rectangular) {
                    large = large && std::abs(d.x) > kMinimumRectangleSide && std::abs(d.y) > kMinimumRectangleSide;
                }
                if (large) {
                    recordAction(EditorAction::annotationAdd(AnnotationObject{
                        QUuid::createUuid(),
                        AnnotationShape{finished.tool, finished.start, finished.end, finished.size, finished.color},
                        {}}));
                    recorded = true;
                }
            } else if constexpr (std::is_same_v<Gesture, ActiveAnnotationGesture::Move>) {
                const Float2 delta = finished.current - finished.start;
                if (delta.x * delta.x + delta.y * delta.y >= kMinimumMoveSquared) {
                    recordAction(EditorAction::annotationMove(finished.id, delta));
                    recorded = true;
                }
            } else {
                if (!finished.erasedOrder.empty()) {
                    recordAction(EditorAction::annotationDelete(finished.erasedOrder));
                    recorded = true;
                }
            }
        },
        gesture.value);
    refreshAnnotationPresentation();
    if (recorded || !std::holds_alternative<ActiveAnnotationGesture::Shape>(gesture.value)) {
        updateHistoryAvailability();
    }
}

// --- Presentation and selection ------------------------------------------------------------

void EditorCanvasView::refreshAnnotationPresentation() {
    AnnotationPresentation presentation;
    presentation.objects = currentAnnotations();
    if (annotationPresentation_.selectedID &&
        findObject(presentation.objects, *annotationPresentation_.selectedID) != nullptr) {
        presentation.selectedID = annotationPresentation_.selectedID;
    }
    if (activeAnnotationGesture_) {
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
            activeAnnotationGesture_->value);
    }
    annotationPresentation_ = std::move(presentation);
    reportAnnotationSelection();
}

void EditorCanvasView::reportAnnotationSelection() {
    bool hasSelection = false;
    bool isText = false;
    if (annotationPresentation_.selectedID) {
        if (const AnnotationObject* selected =
                findObject(annotationPresentation_.objects, *annotationPresentation_.selectedID)) {
            hasSelection = true;
            isText = std::holds_alternative<AnnotationText>(selected->content);
        }
    }
    if (onAnnotationSelectionChange) onAnnotationSelectionChange(hasSelection, isText);
    refreshOverlay();
}

void EditorCanvasView::clearAnnotationSelection() {
    if (!annotationPresentation_.selectedID) return;
    annotationPresentation_.selectedID.reset();
    annotationPresentation_.moveDelta = Float2{};
    reportAnnotationSelection();
}

}  // namespace vlt
