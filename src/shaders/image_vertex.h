#pragma once

#include "platform/gpu/gpu_function.h"

namespace vlt {

inline constexpr int kImageVertexUniformsBufferIndex = 0;
inline constexpr std::uint32_t kImageVertexCount = 6;

// "imageVertex": vertices 0 to 5 are two triangles covering the ImageUniforms'
// imageRect (buffer 0), in clip space.
GpuFloat4 imageVertex(std::uint32_t vertexID, const GpuArguments& arguments);

}  // namespace vlt
