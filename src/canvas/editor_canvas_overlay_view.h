#pragma once

#include <optional>

#include <QRectF>
#include <QString>
#include <QWidget>

#include "editing/annotations/annotation_object.h"
#include "canvas/editor_canvas_overlay_state.h"

class QPainter;

namespace vlt {

// The vector layer over the canvas panes: the annotations with their selection outline
// and the draft being drawn, the Comparison divider and label chips, and the brush
// outline that follows the pointer. It never takes mouse events: the canvas below
// handles all input. The canvas may also call paint() itself after a frame.
class EditorCanvasOverlayView : public QWidget {
    Q_OBJECT

public:
    // Where a Comparison label chip goes and what of the label fits in it.
    struct LabelChip {
        QRectF chipRect;
        QRectF textRect;
        QString shownText;
    };

    explicit EditorCanvasOverlayView(QWidget* parent = nullptr);

    const EditorCanvasOverlayState& state() const { return state_; }
    // Takes the canvas's current state and schedules a repaint of what it changes;
    // returns that rectangle (empty when nothing changed).
    QRect setState(EditorCanvasOverlayState state);

    // Draws the whole overlay into a painter whose user space is the view's.
    static void paint(QPainter& painter, const EditorCanvasOverlayState& state);

    // The annotation's bounds grown by 3 view points, stroked 3 points black with a
    // 1.5-point accent line inside; `scale` is view points per canvas pixel.
    static void drawSelectionOutline(QPainter& painter, const AnnotationObject& object, double scale);

    // None when the pane shows too little of the image for a chip.
    static std::optional<LabelChip> comparisonLabelChip(const QString& label, Qt::Alignment alignment,
                                                        const QRectF& visibleImageRect);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EditorCanvasOverlayState state_;
};

}  // namespace vlt
