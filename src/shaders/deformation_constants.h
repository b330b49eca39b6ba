#pragma once

namespace vlt {

// Fraction of the way toward (Grow) or away from (Shrink) the stamp centre that a
// full-strength dab samples from. Tuned by eye on the preview images: strong enough
// that a click is visible, gentle enough that a slow drag stays smooth.
inline constexpr float kGrowShrinkStrength = 0.08f;

// Fraction of the displacement that a full-strength Reconstruct dab removes.
inline constexpr float kReconstructRate = 0.15f;

// A reconstructed component smaller than this (canvas pixels) becomes exactly zero,
// so that Reconstruct ends at an all-zero field rather than approaching it forever.
inline constexpr float kReconstructZeroThreshold = 1.0e-3f;

}  // namespace vlt
