#pragma once

namespace vlt {

// The displacement scale of the endless Original → Simulation → Original loop that
// the Animate tab and the animation video show: hold, ease up, hold, ease down.
struct DeformationAnimationTimeline {
    static constexpr double kLoopPeriod = 3.0;
    static constexpr double kOriginalHold = 0.3;
    static constexpr double kEaseUpDuration = 1.2;
    static constexpr double kSimulationHold = 0.3;
    static constexpr double kEaseDownDuration = 1.2;

    // Any time in seconds, negative included; the result lies in [0, 1]. A
    // non-finite time shows the Original rather than handing NaN to the renderer.
    float scale(double at) const;
};

}  // namespace vlt
