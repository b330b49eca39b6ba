#include "shaders/image_vertex.h"

#include <array>

#include "shaders/image_uniforms.h"

namespace vlt {

namespace {

constexpr float kClipExtent = 2.0f;
constexpr float kClipOrigin = 1.0f;
constexpr float kClipDepth = 0.0f;
constexpr float kClipW = 1.0f;

struct Corner {
    float alongX;
    float alongY;
};

// Top-left, top-right, bottom-left, then bottom-left, top-right, bottom-right.
constexpr std::array<Corner, kImageVertexCount> kCorners = {
    Corner{0.0f, 0.0f}, Corner{1.0f, 0.0f}, Corner{0.0f, 1.0f},
    Corner{0.0f, 1.0f}, Corner{1.0f, 0.0f}, Corner{1.0f, 1.0f},
};

}  // namespace

GpuFloat4 imageVertex(std::uint32_t vertexID, const GpuArguments& arguments) {
    const auto uniforms = arguments.bytes<ImageUniforms>(kImageVertexUniformsBufferIndex);
    const Corner corner = kCorners[vertexID % kImageVertexCount];
    const float x = uniforms.imageRect.x + corner.alongX * uniforms.imageRect.z;
    const float y = uniforms.imageRect.y + corner.alongY * uniforms.imageRect.w;
    return {x / uniforms.viewportSize.x * kClipExtent - kClipOrigin,
            kClipOrigin - y / uniforms.viewportSize.y * kClipExtent, kClipDepth, kClipW};
}

}  // namespace vlt
