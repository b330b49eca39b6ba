#include "ui/workspace_grid.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/srgb_color.h"

namespace vlt {

WorkspaceGrid::WorkspaceGrid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

const QColor& WorkspaceGrid::lineColor() {
    static const QColor color = makeSRGBColor(0.176, 0.302, 0.318, 0.055);
    return color;
}

std::vector<double> WorkspaceGrid::linePositions(double extent) {
    std::vector<double> positions;
    // Each position is computed from its index, so no rounding error accumulates.
    for (int k = 0;; ++k) {
        const double position = pitch + pitch * k;
        if (position > extent) break;
        positions.push_back(position);
    }
    return positions;
}

void WorkspaceGrid::paintEvent(QPaintEvent*) {
    const double width = this->width();
    const double height = this->height();
    QPainterPath path;
    for (const double x : linePositions(width)) {
        path.moveTo(x, 0.0);
        path.lineTo(x, height);
    }
    for (const double y : linePositions(height)) {
        path.moveTo(0.0, y);
        path.lineTo(width, y);
    }
    QPainter painter(this);
    painter.setPen(QPen(lineColor(), 1.0));
    painter.drawPath(path);
}

}  // namespace vlt
