#include "platform/gpu/gpu_buffer.h"

#include <cstdlib>

namespace vlt {

void GpuBuffer::FreeBytes::operator()(std::uint8_t* bytes) const { std::free(bytes); }

std::shared_ptr<GpuBuffer> GpuBuffer::allocate(std::size_t length) {
    if (length == 0) return nullptr;
    // calloc leaves fresh pages of large blocks untouched until they are written.
    auto* bytes = static_cast<std::uint8_t*>(std::calloc(length, 1));
    if (bytes == nullptr) return nullptr;
    return std::shared_ptr<GpuBuffer>(new GpuBuffer(bytes, length));
}

}  // namespace vlt
