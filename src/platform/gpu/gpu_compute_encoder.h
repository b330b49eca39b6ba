#pragma once

#include <cstddef>
#include <memory>

#include "platform/gpu/gpu_arguments.h"
#include "platform/gpu/gpu_compute_pipeline.h"
#include "platform/gpu/gpu_region.h"

namespace vlt {

class GpuCommandBuffer;

// Records compute dispatches into its command buffer. Bindings persist from one
// dispatch to the next, as on a GPU. Ends by endEncoding() or when destroyed.
class GpuComputeEncoder {
public:
    GpuComputeEncoder(GpuComputeEncoder&& other) noexcept;
    GpuComputeEncoder& operator=(GpuComputeEncoder&&) = delete;
    GpuComputeEncoder(const GpuComputeEncoder&) = delete;
    GpuComputeEncoder& operator=(const GpuComputeEncoder&) = delete;
    ~GpuComputeEncoder();

    void setComputePipeline(std::shared_ptr<GpuComputePipeline> pipeline);
    void setTexture(std::shared_ptr<GpuTexture> texture, int index);
    void setBuffer(std::shared_ptr<GpuBuffer> buffer, int index);
    void setBytes(const void* bytes, std::size_t length, int index);

    // One thread per grid position; the group shape is accepted for fidelity with
    // GPU code and has no effect on the result.
    void dispatchThreads(GpuSize grid, GpuSize threadsPerThreadgroup);

    void endEncoding();

private:
    friend class GpuCommandBuffer;
    explicit GpuComputeEncoder(GpuCommandBuffer& buffer) : buffer_(&buffer) {}

    GpuCommandBuffer* buffer_;
    std::shared_ptr<GpuComputePipeline> pipeline_;
    GpuArguments arguments_;
};

}  // namespace vlt
