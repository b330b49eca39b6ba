#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/gpu/gpu_arguments.h"
#include "platform/gpu/gpu_render_pass_descriptor.h"
#include "platform/gpu/gpu_render_pipeline.h"

namespace vlt {

class GpuCommandBuffer;

// Records draws of one render pass. State (pipeline, scissor, bindings) persists
// from draw to draw; the scissor starts as the whole target. Ends by endEncoding()
// or when destroyed.
class GpuRenderEncoder {
public:
    // Enough for the quads and full-target triangles the layer is made for.
    static constexpr std::uint32_t kMaximumVerticesPerDraw = 96;

    GpuRenderEncoder(GpuRenderEncoder&& other) noexcept;
    GpuRenderEncoder& operator=(GpuRenderEncoder&&) = delete;
    GpuRenderEncoder(const GpuRenderEncoder&) = delete;
    GpuRenderEncoder& operator=(const GpuRenderEncoder&) = delete;
    ~GpuRenderEncoder();

    void setRenderPipeline(std::shared_ptr<GpuRenderPipeline> pipeline);
    // The rectangle must lie inside the target and hold at least one pixel.
    void setScissorRect(const GpuScissorRect& rect);
    void setVertexBytes(const void* bytes, std::size_t length, int index);
    void setFragmentBytes(const void* bytes, std::size_t length, int index);
    void setFragmentTexture(std::shared_ptr<GpuTexture> texture, int index);
    void setFragmentBuffer(std::shared_ptr<GpuBuffer> buffer, int index);

    // Triangles from vertexCount vertices (a multiple of 3) starting at vertexStart.
    void drawTriangles(std::uint32_t vertexStart, std::uint32_t vertexCount);

    void endEncoding();

private:
    friend class GpuCommandBuffer;
    GpuRenderEncoder(GpuCommandBuffer& buffer, const GpuRenderPassDescriptor& descriptor);

    GpuCommandBuffer* buffer_;
    std::int64_t targetWidth_;
    std::int64_t targetHeight_;
    GpuPixelFormat targetFormat_;
    std::shared_ptr<GpuRenderPipeline> pipeline_;
    GpuScissorRect scissor_;
    GpuArguments vertexArguments_;
    GpuArguments fragmentArguments_;
};

}  // namespace vlt
