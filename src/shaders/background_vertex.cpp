#include "shaders/background_vertex.h"

#include <array>

namespace vlt {

namespace {

constexpr float kClipDepth = 0.0f;
constexpr float kClipW = 1.0f;

// Twice the clip square on each axis, so the triangle's inner corner covers it.
constexpr std::array<GpuFloat4, kBackgroundVertexCount> kFullTargetTriangle = {
    GpuFloat4{-1.0f, -1.0f, kClipDepth, kClipW},
    GpuFloat4{3.0f, -1.0f, kClipDepth, kClipW},
    GpuFloat4{-1.0f, 3.0f, kClipDepth, kClipW},
};

}  // namespace

GpuFloat4 backgroundVertex(std::uint32_t vertexID, const GpuArguments&) {
    return kFullTargetTriangle[vertexID % kBackgroundVertexCount];
}

}  // namespace vlt
