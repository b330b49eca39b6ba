#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/gpu/gpu_buffer.h"
#include "platform/gpu/gpu_region.h"
#include "platform/gpu/gpu_texture.h"

namespace vlt {

class GpuCommandBuffer;

// Records copies between textures and buffers. Ends by endEncoding() or when
// destroyed.
class GpuBlitEncoder {
public:
    GpuBlitEncoder(GpuBlitEncoder&& other) noexcept;
    GpuBlitEncoder& operator=(GpuBlitEncoder&&) = delete;
    GpuBlitEncoder(const GpuBlitEncoder&) = delete;
    GpuBlitEncoder& operator=(const GpuBlitEncoder&) = delete;
    ~GpuBlitEncoder();

    // Texel copy between two textures of one pixel format.
    void copy(std::shared_ptr<GpuTexture> source, const GpuRegion& sourceRegion,
              std::shared_ptr<GpuTexture> destination, GpuOrigin destinationOrigin);
    // Texture rows into a buffer, one row every bytesPerRow bytes from the offset.
    void copy(std::shared_ptr<GpuTexture> source, const GpuRegion& sourceRegion, std::shared_ptr<GpuBuffer> destination,
              std::size_t destinationOffset, std::size_t destinationBytesPerRow);
    // Buffer rows into a texture region.
    void copy(std::shared_ptr<GpuBuffer> source, std::size_t sourceOffset, std::size_t sourceBytesPerRow,
              std::shared_ptr<GpuTexture> destination, const GpuRegion& destinationRegion);
    void fill(std::shared_ptr<GpuBuffer> buffer, std::size_t offset, std::size_t length, std::uint8_t value);

    void endEncoding();

private:
    friend class GpuCommandBuffer;
    explicit GpuBlitEncoder(GpuCommandBuffer& buffer) : buffer_(&buffer) {}

    GpuCommandBuffer* buffer_;
};

}  // namespace vlt
