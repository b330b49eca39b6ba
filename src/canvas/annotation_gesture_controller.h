#pragma once

#include <optional>
#include <vector>

#include <QPointF>
#include <QString>
#include <QUuid>

#include "canvas/active_annotation_gesture.h"
#include "canvas/pending_annotation_click.h"
#include "editing/annotations/annotation_presentation.h"
#include "editing/annotations/annotation_text_request.h"
#include "base/scheduler.h"

namespace vlt {

class EditorActionHistory;
class EditorCanvasView;

// Turns the canvas's pointer input into vector annotations: selecting and moving one,
// freehand drawing, the shapes, placing a text, the eraser that removes whole
// annotations, the double click that selects one, and the single click on an
// annotation that is held back for the double-click interval. It keeps what the
// overlay draws (the presentation) and records every finished gesture in the action
// history; the annotation list itself always comes from that history. GUI thread only.
class AnnotationGestureController {
public:
    // What a press on the image did with an annotation under it.
    enum class PressOutcome {
        // No annotation there: the tool acts as usual.
        notTaken,
        // The press is held back for the double-click interval.
        held,
        // The second click of a double click: the annotation is selected for moving.
        selectedForMoving,
    };

    AnnotationGestureController(EditorCanvasView& view, EditorActionHistory& history, Scheduler& scheduler);
    ~AnnotationGestureController();

    AnnotationGestureController(const AnnotationGestureController&) = delete;
    AnnotationGestureController& operator=(const AnnotationGestureController&) = delete;

    const AnnotationPresentation& presentation() const { return presentation_; }
    bool hasActiveGesture() const { return activeGesture_.has_value(); }
    bool hasHeldClick() const { return heldClick_.has_value(); }

    // --- The held click ---------------------------------------------------------------
    // A press with any tool but select / move.
    PressOutcome press(Float2 point, QPointF viewPoint, double now);
    // The held click once the pointer has carried it beyond the drag threshold; it is
    // no longer held, and its tool acts as if no annotation had been under the press.
    std::optional<PendingAnnotationClick> takeDraggedHeldClick(QPointF viewPoint);
    // The button went up: the held click waits for the double-click interval.
    void releaseHeldClick();
    // Performs at once a held click whose button is up.
    void flushHeldClick();
    // Forgets the held click without performing it.
    void dropHeldClick();

    // --- Gestures ---------------------------------------------------------------------
    // False when the tool starts no gesture: a text asks for its text, and select /
    // move on empty canvas only clears the selection.
    bool beginGesture(EditorTool tool, Float2 point, AnnotationColor color, AnnotationFontStyle font, float size);
    void updateGesture(Float2 point);
    // Without commit the gesture leaves no trace.
    void finishGesture(bool commit);

    // --- Presentation, selection and commands -------------------------------------------
    void refreshPresentation();
    void reportSelection();
    void clearSelection();
    // Forgets the annotations and the selection (a new canvas, a reset).
    void resetPresentation();
    bool deleteSelected();
    bool editSelectedText();
    void commitTextEntry(const AnnotationTextRequest& request, const QString& text);

private:
    void performHeldClick(const PendingAnnotationClick& click);
    void eraseAnnotations(Float2 point, float radius, ActiveAnnotationGesture::Eraser& eraser);
    std::optional<QUuid> selectedAnnotation(Float2 point) const;
    std::optional<QUuid> topmostAnnotation(Float2 point, float tolerance) const;
    void requestTextEntry(Float2 origin, AnnotationColor color, AnnotationFontStyle font);
    // View points per canvas pixel.
    double pixelScale() const;

    EditorCanvasView& view_;
    EditorActionHistory& history_;
    Scheduler& scheduler_;
    AnnotationPresentation presentation_;
    std::optional<ActiveAnnotationGesture> activeGesture_;
    std::optional<PendingAnnotationClick> heldClick_;
    // Performs the held click once the double-click interval has passed.
    ScheduledWork heldClickWork_;
};

}  // namespace vlt
