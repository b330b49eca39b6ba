#include "platform/gpu/gpu_texture.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "base/precondition.h"

namespace vlt {

namespace {

// Rows start on cache lines so that threads writing neighbouring rows never share one.
constexpr std::size_t kStorageAlignment = 64;

}  // namespace

void GpuTexture::AlignedDelete::operator()(std::uint8_t* bytes) const {
    if (bytes == nullptr) return;
    // The allocation's start is stored just before the aligned bytes.
    void* block = nullptr;
    std::memcpy(&block, bytes - sizeof(void*), sizeof(void*));
    std::free(block);
}

GpuTexture::GpuTexture(const GpuTextureDescriptor& descriptor, std::int64_t rowBytes, std::uint8_t* bytes)
    : descriptor_(descriptor), rowBytes_(rowBytes), bytes_(bytes) {}

std::shared_ptr<GpuTexture> GpuTexture::allocate(const GpuTextureDescriptor& descriptor) {
    if (descriptor.width <= 0 || descriptor.height <= 0) return nullptr;
    const std::int64_t texelBytes = bytesPerPixel(descriptor.pixelFormat);
    const std::int64_t limit = std::numeric_limits<std::int64_t>::max() / 2;
    if (descriptor.width > limit / texelBytes) return nullptr;
    const std::int64_t rowBytes = descriptor.width * texelBytes;
    if (descriptor.height > limit / rowBytes) return nullptr;
    const std::size_t total = static_cast<std::size_t>(rowBytes * descriptor.height);
    // calloc hands out fresh pages of large blocks without touching them, so a big
    // texture costs nothing until it is written, and then on the thread writing it.
    void* block = std::calloc(total + kStorageAlignment + sizeof(void*), 1);
    if (block == nullptr) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(block) + sizeof(void*);
    const std::uintptr_t aligned = (start + kStorageAlignment - 1) / kStorageAlignment * kStorageAlignment;
    auto* bytes = reinterpret_cast<std::uint8_t*>(aligned);
    std::memcpy(bytes - sizeof(void*), &block, sizeof(void*));
    return std::shared_ptr<GpuTexture>(new GpuTexture(descriptor, rowBytes, bytes));
}

std::uint64_t GpuTexture::makeContentsTag() {
    static std::atomic<std::uint64_t> next{kUnknownContents + 1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

void GpuTexture::replaceRegion(const GpuRegion& region, const std::uint8_t* source, std::int64_t sourceRowBytes) {
    VLT_PRECONDITION(region.fitsInside(width(), height()), "replaced region lies inside the texture");
    const std::int64_t copyBytes = region.size.width * bytesPerPixel(pixelFormat());
    VLT_PRECONDITION(sourceRowBytes >= copyBytes, "source rows hold the region's width");
    setContentsTag(kUnknownContents);
    for (std::int64_t r = 0; r < region.size.height; ++r) {
        std::uint8_t* target =
            data() + (region.origin.y + r) * rowBytes_ + region.origin.x * bytesPerPixel(pixelFormat());
        std::memcpy(target, source + r * sourceRowBytes, static_cast<std::size_t>(copyBytes));
    }
}

}  // namespace vlt
