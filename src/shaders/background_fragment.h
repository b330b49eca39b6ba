#pragma once

#include "platform/gpu/gpu_function.h"

namespace vlt {

inline constexpr int kBackgroundUniformsBufferIndex = 0;

// "backgroundFragment": the editor's workspace. The whole-target draw is the plain
// base colour; a pane draw adds a grid like the crop screen's: lines of
// constants.y points in the accent colour every constants.x points, counted from
// the pane's origin, the first ones one cell in (no line on the pane's own edges).
GpuSpanColors backgroundFragment(const GpuArguments& arguments, const GpuFragmentSpan& span, GpuFloat4* colors);

}  // namespace vlt
