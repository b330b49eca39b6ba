#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/gpu/gpu_pixel_format.h"
#include "platform/gpu/gpu_region.h"

namespace vlt {

enum class GpuTextureUsage : std::uint32_t {
    shaderRead = 1u << 0,
    shaderWrite = 1u << 1,
    renderTarget = 1u << 2,
};

constexpr GpuTextureUsage operator|(GpuTextureUsage a, GpuTextureUsage b) {
    return static_cast<GpuTextureUsage>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

constexpr bool contains(GpuTextureUsage set, GpuTextureUsage member) {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(member)) != 0;
}

struct GpuTextureDescriptor {
    GpuPixelFormat pixelFormat = GpuPixelFormat::rgba8UnormSrgb;
    std::int64_t width = 0;
    std::int64_t height = 0;
    GpuTextureUsage usage = GpuTextureUsage::shaderRead;
};

// A 2-D texture in main memory: rows of width × bytesPerPixel bytes, top row first,
// starting zero-filled. Its bytes belong to the command queue while work that uses
// the texture is in flight; read them on the CPU only after that work completed.
class GpuTexture {
public:
    // Null when the memory cannot be had.
    static std::shared_ptr<GpuTexture> allocate(const GpuTextureDescriptor& descriptor);

    GpuTexture(const GpuTexture&) = delete;
    GpuTexture& operator=(const GpuTexture&) = delete;

    GpuPixelFormat pixelFormat() const { return descriptor_.pixelFormat; }
    std::int64_t width() const { return descriptor_.width; }
    std::int64_t height() const { return descriptor_.height; }
    GpuTextureUsage usage() const { return descriptor_.usage; }
    std::int64_t rowBytes() const { return rowBytes_; }

    std::uint8_t* data() { return bytes_.get(); }
    const std::uint8_t* data() const { return bytes_.get(); }

    template <typename Texel>
    Texel* row(std::int64_t y) {
        return reinterpret_cast<Texel*>(bytes_.get() + y * rowBytes_);
    }
    template <typename Texel>
    const Texel* row(std::int64_t y) const {
        return reinterpret_cast<const Texel*>(bytes_.get() + y * rowBytes_);
    }

    // Which frame the pixels show, as tagged by the render pass that drew them last;
    // kUnknownContents when nothing is known (a new texture, or writes of other kinds).
    // Tags are unique in the process (makeContentsTag), so no two drawers mix them up.
    static constexpr std::uint64_t kUnknownContents = 0;
    static std::uint64_t makeContentsTag();
    std::uint64_t contentsTag() const { return contentsTag_.load(std::memory_order_acquire); }
    void setContentsTag(std::uint64_t tag) { contentsTag_.store(tag, std::memory_order_release); }

    // Copies CPU bytes into a region at once, outside the command queue; only for
    // textures that no submitted work uses yet.
    void replaceRegion(const GpuRegion& region, const std::uint8_t* source, std::int64_t sourceRowBytes);

private:
    struct AlignedDelete {
        void operator()(std::uint8_t* bytes) const;
    };

    GpuTexture(const GpuTextureDescriptor& descriptor, std::int64_t rowBytes, std::uint8_t* bytes);

    GpuTextureDescriptor descriptor_;
    std::int64_t rowBytes_;
    std::unique_ptr<std::uint8_t, AlignedDelete> bytes_;
    std::atomic<std::uint64_t> contentsTag_{kUnknownContents};
};

}  // namespace vlt
