#include "platform/gpu/gpu_texture.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "foundation/precondition.h"

namespace vlt {

namespace {

// Rows start on cache lines so that threads writing neighbouring rows never share one.
constexpr std::size_t kStorageAlignment = 64;

}  // namespace

void GpuTexture::AlignedDelete::operator()(std::uint8_t* bytes) const {
    std::free(bytes);
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
    const std::size_t rounded = (total + kStorageAlignment - 1) / kStorageAlignment * kStorageAlignment;
    void* memory = std::aligned_alloc(kStorageAlignment, rounded);
    if (memory == nullptr) return nullptr;
    std::memset(memory, 0, rounded);
    return std::shared_ptr<GpuTexture>(new GpuTexture(descriptor, rowBytes, static_cast<std::uint8_t*>(memory)));
}

void GpuTexture::replaceRegion(const GpuRegion& region, const std::uint8_t* source, std::int64_t sourceRowBytes) {
    VLT_PRECONDITION(region.fitsInside(width(), height()), "replaced region lies inside the texture");
    const std::int64_t copyBytes = region.size.width * bytesPerPixel(pixelFormat());
    VLT_PRECONDITION(sourceRowBytes >= copyBytes, "source rows hold the region's width");
    for (std::int64_t r = 0; r < region.size.height; ++r) {
        std::uint8_t* target = data() + (region.origin.y + r) * rowBytes_ + region.origin.x * bytesPerPixel(pixelFormat());
        std::memcpy(target, source + r * sourceRowBytes, static_cast<std::size_t>(copyBytes));
    }
}

}  // namespace vlt
