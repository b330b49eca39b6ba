#include "platform/gpu/gpu_blit_encoder.h"

#include "base/precondition.h"
#include "platform/gpu/gpu_command_buffer.h"

namespace vlt {

namespace {

bool bufferHoldsRows(const GpuBuffer& buffer, std::size_t offset, std::size_t bytesPerRow, const GpuRegion& region,
                     GpuPixelFormat format) {
    const auto rowBytes = static_cast<std::size_t>(region.size.width * bytesPerPixel(format));
    if (bytesPerRow < rowBytes) return false;
    const auto rows = static_cast<std::size_t>(region.size.height);
    const std::size_t needed = offset + (rows - 1) * bytesPerRow + rowBytes;
    return needed <= buffer.length();
}

}  // namespace

GpuBlitEncoder::GpuBlitEncoder(GpuBlitEncoder&& other) noexcept : buffer_(other.buffer_) { other.buffer_ = nullptr; }

GpuBlitEncoder::~GpuBlitEncoder() {
    if (buffer_ != nullptr) endEncoding();
}

void GpuBlitEncoder::copy(std::shared_ptr<GpuTexture> source, const GpuRegion& sourceRegion,
                          std::shared_ptr<GpuTexture> destination, GpuOrigin destinationOrigin) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    VLT_PRECONDITION(source && destination, "a copy has both textures");
    VLT_PRECONDITION(source->pixelFormat() == destination->pixelFormat(), "texture copies keep the pixel format");
    VLT_PRECONDITION(sourceRegion.fitsInside(source->width(), source->height()),
                     "the copied region lies in the source");
    const GpuRegion target{destinationOrigin, sourceRegion.size};
    VLT_PRECONDITION(target.fitsInside(destination->width(), destination->height()),
                     "the copied region lies in the destination");
    if (sourceRegion.isEmpty()) return;
    buffer_->append(GpuCopyTextureCommand{std::move(source), sourceRegion, std::move(destination), destinationOrigin});
}

void GpuBlitEncoder::copy(std::shared_ptr<GpuTexture> source, const GpuRegion& sourceRegion,
                          std::shared_ptr<GpuBuffer> destination, std::size_t destinationOffset,
                          std::size_t destinationBytesPerRow) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    VLT_PRECONDITION(source && destination, "a copy has its texture and buffer");
    VLT_PRECONDITION(sourceRegion.fitsInside(source->width(), source->height()),
                     "the copied region lies in the source");
    if (sourceRegion.isEmpty()) return;
    VLT_PRECONDITION(
        bufferHoldsRows(*destination, destinationOffset, destinationBytesPerRow, sourceRegion, source->pixelFormat()),
        "the buffer holds the copied rows");
    buffer_->append(GpuCopyTextureToBufferCommand{std::move(source), sourceRegion, std::move(destination),
                                                  destinationOffset, destinationBytesPerRow});
}

void GpuBlitEncoder::copy(std::shared_ptr<GpuBuffer> source, std::size_t sourceOffset, std::size_t sourceBytesPerRow,
                          std::shared_ptr<GpuTexture> destination, const GpuRegion& destinationRegion) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    VLT_PRECONDITION(source && destination, "a copy has its buffer and texture");
    VLT_PRECONDITION(destinationRegion.fitsInside(destination->width(), destination->height()),
                     "the copied region lies in the destination");
    if (destinationRegion.isEmpty()) return;
    VLT_PRECONDITION(
        bufferHoldsRows(*source, sourceOffset, sourceBytesPerRow, destinationRegion, destination->pixelFormat()),
        "the buffer holds the copied rows");
    buffer_->append(GpuCopyBufferToTextureCommand{std::move(source), sourceOffset, sourceBytesPerRow,
                                                  std::move(destination), destinationRegion});
}

void GpuBlitEncoder::fill(std::shared_ptr<GpuBuffer> buffer, std::size_t offset, std::size_t length,
                          std::uint8_t value) {
    VLT_PRECONDITION(buffer_ != nullptr, "the encoder is still encoding");
    VLT_PRECONDITION(buffer != nullptr, "a fill has its buffer");
    VLT_PRECONDITION(offset <= buffer->length() && length <= buffer->length() - offset, "the fill lies in the buffer");
    if (length == 0) return;
    buffer_->append(GpuFillBufferCommand{std::move(buffer), offset, length, value});
}

void GpuBlitEncoder::endEncoding() {
    VLT_PRECONDITION(buffer_ != nullptr, "an encoder ends once");
    buffer_->encoderEnded();
    buffer_ = nullptr;
}

}  // namespace vlt
