#pragma once

#include <vector>

#include "editing/engine/float2.h"

namespace vlt {

// Points from one drag position to the next, at most `spacing` apart, so that a fast
// eraser drag misses nothing in between. The start is left out, the end included;
// nothing when the two positions coincide. Spacing must be finite and positive.
std::vector<Float2> interpolatedPoints(Float2 from, Float2 to, float spacing);

}  // namespace vlt
