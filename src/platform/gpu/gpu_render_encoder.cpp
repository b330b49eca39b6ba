#include "platform/gpu/gpu_render_encoder.h"

#include "base/precondition.h"
#include "platform/gpu/gpu_command_buffer.h"

namespace vlt {

GpuRenderEncoder::GpuRenderEncoder(GpuCommandBuffer& buffer, const GpuRenderPassDescriptor& descriptor)
    : buffer_(&buffer),
      targetWidth_(descriptor.colorTexture->width()),
      targetHeight_(descriptor.colorTexture->height()),
      targetFormat_(descriptor.colorTexture->pixelFormat()),
      scissor_{0, 0, targetWidth_, targetHeight_} {}

GpuRenderEncoder::GpuRenderEncoder(GpuRenderEncoder&& other) noexcept
    : buffer_(other.buffer_),
      targetWidth_(other.targetWidth_),
      targetHeight_(other.targetHeight_),
      targetFormat_(other.targetFormat_),
      pipeline_(std::move(other.pipeline_)),
      scissor_(other.scissor_),
      vertexArguments_(std::move(other.vertexArguments_)),
      fragmentArguments_(std::move(other.fragmentArguments_)) {
    other.buffer_ = nullptr;
}

GpuRenderEncoder::~GpuRenderEncoder() {
    if (buffer_ != nullptr) endEncoding();
}

void GpuRenderEncoder::setRenderPipeline(std::shared_ptr<GpuRenderPipeline> pipeline) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    pipeline_ = std::move(pipeline);
}

void GpuRenderEncoder::setScissorRect(const GpuScissorRect& rect) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    VLT_PRECONDITION(rect.x >= 0 && rect.y >= 0 && rect.width >= 1 && rect.height >= 1 &&
                         rect.x + rect.width <= targetWidth_ && rect.y + rect.height <= targetHeight_,
                     "the scissor rectangle lies inside the target");
    scissor_ = rect;
}

void GpuRenderEncoder::setVertexBytes(const void* bytes, std::size_t length, int index) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    vertexArguments_.setBytes(index, bytes, length);
}

void GpuRenderEncoder::setFragmentBytes(const void* bytes, std::size_t length, int index) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    fragmentArguments_.setBytes(index, bytes, length);
}

void GpuRenderEncoder::setFragmentTexture(std::shared_ptr<GpuTexture> texture, int index) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    fragmentArguments_.setTexture(index, std::move(texture));
}

void GpuRenderEncoder::setFragmentBuffer(std::shared_ptr<GpuBuffer> buffer, int index) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    fragmentArguments_.setBuffer(index, std::move(buffer));
}

void GpuRenderEncoder::drawTriangles(std::uint32_t vertexStart, std::uint32_t vertexCount) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    VLT_PRECONDITION(pipeline_ != nullptr, "a draw has a pipeline");
    VLT_PRECONDITION(pipeline_->colorPixelFormat() == targetFormat_, "the pipeline was made for the target's format");
    VLT_PRECONDITION(vertexCount % 3 == 0 && vertexCount <= kMaximumVerticesPerDraw, "a draw holds whole triangles");
    if (vertexCount == 0) return;
    buffer_->append(
        GpuDrawCommand{pipeline_, scissor_, vertexArguments_, fragmentArguments_, vertexStart, vertexCount});
}

void GpuRenderEncoder::endEncoding() {
    VLT_PRECONDITION(buffer_ != nullptr, "an encoder ends once");
    buffer_->append(GpuEndRenderPassCommand{});
    buffer_->encoderEnded();
    buffer_ = nullptr;
}

}  // namespace vlt
