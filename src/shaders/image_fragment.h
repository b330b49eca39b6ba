#pragma once

#include "platform/gpu/gpu_function.h"

namespace vlt {

inline constexpr int kImageSourceTextureIndex = 0;
inline constexpr int kImageDisplacementTextureIndex = 1;
inline constexpr int kImageUniformsBufferIndex = 0;
// Optional: the field's occupancy summary (displacement_occupancy.h).
inline constexpr int kImageOccupancyBufferIndex = 1;

// "imageFragment": shows the canvas (texture 0, RGBA8 sRGB) through the
// displacement field (texture 1): a target pixel at canvas position P shows
// source(P + displacementScale · D̃(P)), sampled bilinearly in linear light with
// clamp-to-edge. Canvas pixel centres sit at integer positions and the imageRect's
// edges at the canvas's outer pixel edges, so a 1:1 image on whole pixels with a
// zero field reproduces the canvas exactly. Where the field is zero (scale 0, or
// zero tiles according to the occupancy summary) the field is not sampled at all.
GpuSpanColors imageFragment(const GpuArguments& arguments, const GpuFragmentSpan& span, GpuFloat4* colors);

}  // namespace vlt
