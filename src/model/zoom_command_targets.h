#pragma once

namespace vlt {

// The zoom factors the View menu's zoom commands ask the editor for. Zoom is relative
// to fit: 1 is fit, the editor allows 1 to 16.
struct ZoomCommandTargets {
    static constexpr double kMinimumZoom = 1.0;
    static constexpr double kMaximumZoom = 16.0;
    static constexpr double kZoomStep = 1.4142135623730951;
    // At or below this the image is back at fit and is recentred.
    static constexpr double kFitThreshold = 1.000001;

    // One canvas pixel per layout point, within the allowed range.
    static double actualSize(double fitScale);
    static double zoomIn(double zoomFactor);
    static double zoomOut(double zoomFactor);
    // A zoom-out result that should fit the image instead of zooming.
    static bool returnsToFit(double zoomFactor) { return zoomFactor <= kFitThreshold; }
};

}  // namespace vlt
