#include "platform/gpu/gpu_compute_encoder.h"

#include <limits>

#include "base/precondition.h"
#include "platform/gpu/gpu_command_buffer.h"

namespace vlt {

GpuComputeEncoder::GpuComputeEncoder(GpuComputeEncoder&& other) noexcept
    : buffer_(other.buffer_), pipeline_(std::move(other.pipeline_)), arguments_(std::move(other.arguments_)) {
    other.buffer_ = nullptr;
}

GpuComputeEncoder::~GpuComputeEncoder() {
    if (buffer_ != nullptr) endEncoding();
}

void GpuComputeEncoder::setComputePipeline(std::shared_ptr<GpuComputePipeline> pipeline) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    pipeline_ = std::move(pipeline);
}

void GpuComputeEncoder::setTexture(std::shared_ptr<GpuTexture> texture, int index) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    arguments_.setTexture(index, std::move(texture));
}

void GpuComputeEncoder::setBuffer(std::shared_ptr<GpuBuffer> buffer, int index) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    arguments_.setBuffer(index, std::move(buffer));
}

void GpuComputeEncoder::setBytes(const void* bytes, std::size_t length, int index) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    arguments_.setBytes(index, bytes, length);
}

void GpuComputeEncoder::dispatchThreads(GpuSize grid, GpuSize threadsPerThreadgroup) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    VLT_PRECONDITION(pipeline_ != nullptr, "a dispatch has a pipeline");
    VLT_PRECONDITION(grid.width >= 0 && grid.height >= 0, "a grid has no negative side");
    VLT_PRECONDITION(grid.width <= std::numeric_limits<std::uint32_t>::max() &&
                         grid.height <= std::numeric_limits<std::uint32_t>::max(),
                     "a grid fits 32-bit thread positions");
    VLT_PRECONDITION(
        threadsPerThreadgroup.width > 0 && threadsPerThreadgroup.height > 0 &&
            threadsPerThreadgroup.width * threadsPerThreadgroup.height <= pipeline_->maxTotalThreadsPerThreadgroup(),
        "a thread group fits the pipeline");
    if (grid.width == 0 || grid.height == 0) return;
    buffer_->append(GpuDispatchCommand{pipeline_, arguments_, grid});
}

void GpuComputeEncoder::endEncoding() {
    VLT_PRECONDITION(buffer_ != nullptr, "an encoder ends once");
    buffer_->encoderEnded();
    buffer_ = nullptr;
}

}  // namespace vlt
