#include "editing/engine/deformation_animation_timeline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vlt {

namespace {

// Half a cosine: zero slope at both ends, 0.5 at the midpoint.
double easeInOut(double fraction) { return 0.5 * (1.0 - std::cos(std::numbers::pi * std::min(fraction, 1.0))); }

}  // namespace

float DeformationAnimationTimeline::scale(double at) const {
    if (!std::isfinite(at)) {
        return 0.0f;
    }
    double phase = std::fmod(at, kLoopPeriod);
    if (phase < 0.0) {
        phase += kLoopPeriod;
    }
    if (phase < kOriginalHold) {
        return 0.0f;
    }

    // Each bound is found by subtracting the previous stage, so a time that lands
    // exactly on a boundary falls where the subtractions put it.
    const double intoEaseUp = phase - kOriginalHold;
    if (intoEaseUp < kEaseUpDuration) {
        const double fraction = intoEaseUp / kEaseUpDuration;
        return fraction <= 0.0 ? 0.0f : static_cast<float>(easeInOut(fraction));
    }

    const double intoSimulationHold = intoEaseUp - kEaseUpDuration;
    if (intoSimulationHold < kSimulationHold) {
        return 1.0f;
    }

    const double fraction = (intoSimulationHold - kSimulationHold) / kEaseDownDuration;
    return fraction <= 0.0 ? 1.0f : static_cast<float>(1.0 - easeInOut(fraction));
}

}  // namespace vlt
