#pragma once

#include "platform/gpu/gpu_function.h"

namespace vlt {

inline constexpr std::uint32_t kBackgroundVertexCount = 3;

// "backgroundVertex": vertices 0 to 2 form one triangle that covers the whole
// target; it reads no buffers.
GpuFloat4 backgroundVertex(std::uint32_t vertexID, const GpuArguments& arguments);

}  // namespace vlt
