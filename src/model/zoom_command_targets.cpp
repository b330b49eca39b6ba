#include "model/zoom_command_targets.h"

#include <algorithm>

namespace vlt {

namespace {

constexpr double kSmallestFitScale = 0.000001;
constexpr double kUnboundedZoom = 1000000.0;

}  // namespace

double ZoomCommandTargets::actualSize(double fitScale) {
    const double target = fitScale <= kSmallestFitScale ? kUnboundedZoom : std::max(1.0 / fitScale, kMinimumZoom);
    return std::min(target, kMaximumZoom);
}

double ZoomCommandTargets::zoomIn(double zoomFactor) { return std::min(zoomFactor * kZoomStep, kMaximumZoom); }

double ZoomCommandTargets::zoomOut(double zoomFactor) { return std::max(zoomFactor / kZoomStep, kMinimumZoom); }

}  // namespace vlt
