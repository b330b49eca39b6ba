#pragma once

#include <optional>

#include <QPointF>
#include <QSize>
#include <QString>

#include "editing/annotations/annotation_presentation.h"
#include "editing/session/editor_viewport_geometry.h"
#include "editing/session/editor_tab.h"
#include "editing/engine/editor_tool.h"

namespace vlt {

// Everything the canvas overlay draws, copied in by the canvas whenever something
// visible changes. The overlay keeps no other state.
struct EditorCanvasOverlayState {
    EditorViewportGeometry geometry{QSizeF(0.0, 0.0), QSizeF(1.0, 1.0), false, 1.0};
    // Canvas pixels; 1 by 1 while there is no canvas.
    QSize canvasSize{1, 1};
    EditorTab tab = EditorTab::comparison;
    // Normalised image point shown in the middle of a pane.
    QPointF center{0.5, 0.5};
    bool showsComparisonLabels = true;
    QString originalComparisonLabel = QStringLiteral("Original");
    QString simulationComparisonLabel = QStringLiteral("Simulation");
    EditorTool tool = EditorTool::push;
    // Canvas pixels.
    double toolDiameter = 16.0;
    AnnotationPresentation annotations;
    // 0...1: follows the morph on the Animate tab, 1 elsewhere.
    float annotationOpacity = 1.0f;
    // View coordinates; none while the pointer is not over the canvas.
    std::optional<QPointF> hoverPoint;

    friend bool operator==(const EditorCanvasOverlayState&, const EditorCanvasOverlayState&) = default;
};

}  // namespace vlt
