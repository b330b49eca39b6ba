#include "import/screen/crop_workspace_grid.h"

#include <cmath>

#include <QPainter>
#include <QPainterPath>

#include "import/screen/crop_palette.h"

namespace vlt {

CropWorkspaceGrid::CropWorkspaceGrid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

std::vector<double> CropWorkspaceGrid::linePositions(double extent) {
    std::vector<double> positions;
    for (double x = kPitch; x < extent; x += kPitch) positions.push_back(x);
    if (extent >= kPitch && std::fmod(extent, kPitch) == 0.0) positions.push_back(extent);
    return positions;
}

void CropWorkspaceGrid::paintEvent(QPaintEvent*) {
    const double w = width();
    const double h = height();
    QPainterPath path;
    for (double x : linePositions(w)) {
        path.moveTo(x, 0);
        path.lineTo(x, h);
    }
    for (double y : linePositions(h)) {
        path.moveTo(0, y);
        path.lineTo(w, y);
    }
    QPainter painter(this);
    painter.setPen(QPen(CropPalette::gridLine(), 1.0));
    painter.drawPath(path);
}

}  // namespace vlt
