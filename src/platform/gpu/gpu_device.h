#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/gpu/gpu_buffer.h"
#include "platform/gpu/gpu_command_queue.h"
#include "platform/gpu/gpu_compute_pipeline.h"
#include "platform/gpu/gpu_fault_injector.h"
#include "platform/gpu/gpu_function_library.h"
#include "platform/gpu/gpu_render_pipeline.h"
#include "platform/gpu/gpu_texture.h"

namespace vlt {

struct GpuDeviceOptions {
    // The library that makeDefaultLibrary() hands out; none models a missing one.
    std::optional<GpuFunctionLibrary> defaultLibrary;
    // Threads one command may use at once; 0 uses every processor the process may use.
    int maximumConcurrency = 0;
};

// The compute device: it makes queues, textures, buffers and pipelines. Every
// making step can be refused through the fault injector.
class GpuDevice {
public:
    static constexpr std::int64_t kMaximumTextureDimension = 16384;

    static std::shared_ptr<GpuDevice> create(GpuDeviceOptions options = {});

    GpuDevice(const GpuDevice&) = delete;
    GpuDevice& operator=(const GpuDevice&) = delete;

    // Each of these gives null when the object cannot be made.
    std::shared_ptr<GpuCommandQueue> makeCommandQueue();
    std::shared_ptr<GpuTexture> makeTexture(const GpuTextureDescriptor& descriptor);
    std::shared_ptr<GpuBuffer> makeBuffer(std::size_t length);
    // A function of the wrong kind is refused like any other pipeline failure.
    std::shared_ptr<GpuComputePipeline> makeComputePipeline(const GpuFunction& function);
    std::shared_ptr<GpuRenderPipeline> makeRenderPipeline(const GpuRenderPipelineDescriptor& descriptor);

    std::optional<GpuFunctionLibrary> makeDefaultLibrary() const { return options_.defaultLibrary; }

    int maximumConcurrency() const { return options_.maximumConcurrency; }
    GpuFaultInjector& faultInjector() { return *faults_; }

private:
    explicit GpuDevice(GpuDeviceOptions options);

    GpuDeviceOptions options_;
    std::shared_ptr<GpuFaultInjector> faults_;
};

}  // namespace vlt
