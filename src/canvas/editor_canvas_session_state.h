#pragma once

#include <QPointF>
#include <QString>

#include "editing/annotations/annotation_color.h"
#include "editing/annotations/annotation_font_style.h"
#include "editing/session/editor_tab.h"
#include "editing/engine/editor_tool.h"

namespace vlt {

// The editor session's state as the canvas keeps a copy of it. The bridge writes it
// in; the canvas changes its own zoom and centre and reports them back.
struct EditorCanvasSessionState {
    EditorTab tab = EditorTab::comparison;
    double zoomFactor = 1.0;
    // Normalised image point shown in the middle of a panel.
    QPointF center{0.5, 0.5};
    bool showsComparisonLabels = true;
    QString originalComparisonLabel = QStringLiteral("Original");
    QString simulationComparisonLabel = QStringLiteral("Simulation");
    EditorTool tool = EditorTool::push;
    // The current mode's diameter, canvas pixels.
    double toolDiameter = 16.0;
    AnnotationColor annotationColor{255, 255, 255};
    AnnotationFontStyle annotationFont{QStringLiteral("System"), 24.0f, 5, false};
    bool isMoveMode = false;
};

}  // namespace vlt
