#include "platform/gpu/gpu_buffer.h"

#include <new>
#include <stdexcept>

namespace vlt {

std::shared_ptr<GpuBuffer> GpuBuffer::allocate(std::size_t length) {
    if (length == 0) return nullptr;
    try {
        return std::shared_ptr<GpuBuffer>(new GpuBuffer(length));
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (const std::length_error&) {
        return nullptr;
    }
}

}  // namespace vlt
