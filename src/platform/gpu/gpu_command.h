#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "platform/gpu/gpu_arguments.h"
#include "platform/gpu/gpu_buffer.h"
#include "platform/gpu/gpu_compute_pipeline.h"
#include "platform/gpu/gpu_region.h"
#include "platform/gpu/gpu_render_pass_descriptor.h"
#include "platform/gpu/gpu_render_pipeline.h"
#include "platform/gpu/gpu_texture.h"

namespace vlt {

class GpuDrawable;

// The recorded work of a command buffer; the encoders check every command when it
// is recorded, so running it needs no further checks.

struct GpuDispatchCommand {
    std::shared_ptr<GpuComputePipeline> pipeline;
    GpuArguments arguments;
    GpuSize grid;
};

struct GpuCopyTextureCommand {
    std::shared_ptr<GpuTexture> source;
    GpuRegion sourceRegion;
    std::shared_ptr<GpuTexture> destination;
    GpuOrigin destinationOrigin;
};

struct GpuCopyTextureToBufferCommand {
    std::shared_ptr<GpuTexture> source;
    GpuRegion sourceRegion;
    std::shared_ptr<GpuBuffer> destination;
    std::size_t destinationOffset = 0;
    std::size_t destinationBytesPerRow = 0;
};

struct GpuCopyBufferToTextureCommand {
    std::shared_ptr<GpuBuffer> source;
    std::size_t sourceOffset = 0;
    std::size_t sourceBytesPerRow = 0;
    std::shared_ptr<GpuTexture> destination;
    GpuRegion destinationRegion;
};

struct GpuFillBufferCommand {
    std::shared_ptr<GpuBuffer> buffer;
    std::size_t offset = 0;
    std::size_t length = 0;
    std::uint8_t value = 0;
};

struct GpuBeginRenderPassCommand {
    GpuRenderPassDescriptor descriptor;
};

struct GpuDrawCommand {
    std::shared_ptr<GpuRenderPipeline> pipeline;
    GpuScissorRect scissor;
    GpuArguments vertexArguments;
    GpuArguments fragmentArguments;
    std::uint32_t vertexStart = 0;
    std::uint32_t vertexCount = 0;
};

struct GpuEndRenderPassCommand {};

struct GpuPresentCommand {
    std::shared_ptr<GpuDrawable> drawable;
};

using GpuCommand = std::variant<GpuDispatchCommand, GpuCopyTextureCommand, GpuCopyTextureToBufferCommand,
                                GpuCopyBufferToTextureCommand, GpuFillBufferCommand, GpuBeginRenderPassCommand,
                                GpuDrawCommand, GpuEndRenderPassCommand, GpuPresentCommand>;

// Runs recorded commands in order on the calling thread, spreading each one over
// the current task arena.
void executeGpuCommands(const std::vector<GpuCommand>& commands);

}  // namespace vlt
