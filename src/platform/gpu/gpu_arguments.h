#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "base/precondition.h"
#include "platform/gpu/gpu_buffer.h"
#include "platform/gpu/gpu_texture.h"

namespace vlt {

inline constexpr int kGpuTextureSlotCount = 4;
inline constexpr int kGpuBufferSlotCount = 4;
inline constexpr std::size_t kGpuInlineBytesCapacity = 128;

// The resources one shader stage sees in a dispatch or a draw: textures by index,
// and per buffer index either a buffer or a small block of bytes copied in when it
// was set (parameter blocks travel inline, so a frame allocates nothing for them).
class GpuArguments {
public:
    void setTexture(int index, std::shared_ptr<GpuTexture> texture) {
        VLT_PRECONDITION(index >= 0 && index < kGpuTextureSlotCount, "texture index in range");
        textures_[index] = std::move(texture);
    }

    void setBuffer(int index, std::shared_ptr<GpuBuffer> buffer) {
        VLT_PRECONDITION(index >= 0 && index < kGpuBufferSlotCount, "buffer index in range");
        buffers_[index] = std::move(buffer);
        bytes_[index].length = 0;
    }

    void setBytes(int index, const void* bytes, std::size_t length) {
        VLT_PRECONDITION(index >= 0 && index < kGpuBufferSlotCount, "buffer index in range");
        VLT_PRECONDITION(length > 0 && length <= kGpuInlineBytesCapacity, "inline bytes fit their slot");
        std::memcpy(bytes_[index].data.data(), bytes, length);
        bytes_[index].length = static_cast<std::uint32_t>(length);
        buffers_[index].reset();
    }

    // Null when nothing is bound at the index.
    GpuTexture* texture(int index) const {
        VLT_PRECONDITION(index >= 0 && index < kGpuTextureSlotCount, "texture index in range");
        return textures_[index].get();
    }
    GpuBuffer* buffer(int index) const {
        VLT_PRECONDITION(index >= 0 && index < kGpuBufferSlotCount, "buffer index in range");
        return buffers_[index].get();
    }

    // The inline block at the index read as a parameter block of exactly its size.
    template <typename Block>
    Block bytes(int index) const {
        VLT_PRECONDITION(index >= 0 && index < kGpuBufferSlotCount, "buffer index in range");
        VLT_PRECONDITION(bytes_[index].length == sizeof(Block), "inline bytes match the parameter block");
        Block block;
        std::memcpy(&block, bytes_[index].data.data(), sizeof(Block));
        return block;
    }

    void clear() { *this = GpuArguments(); }

private:
    struct InlineBytes {
        alignas(16) std::array<std::uint8_t, kGpuInlineBytesCapacity> data{};
        std::uint32_t length = 0;
    };

    std::array<std::shared_ptr<GpuTexture>, kGpuTextureSlotCount> textures_;
    std::array<std::shared_ptr<GpuBuffer>, kGpuBufferSlotCount> buffers_;
    std::array<InlineBytes, kGpuBufferSlotCount> bytes_;
};

}  // namespace vlt
