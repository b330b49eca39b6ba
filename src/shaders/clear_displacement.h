#pragma once

#include "platform/gpu/gpu_function.h"

namespace vlt {

inline constexpr int kClearFieldTextureIndex = 0;

// "clearDisplacement": writes (+0, +0) to every texel of the grid (texture 0).
void clearDisplacement(const GpuArguments& arguments, const GpuGridRegion& region);

}  // namespace vlt
