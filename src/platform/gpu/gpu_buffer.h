#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vlt {

// A block of memory that both the CPU and queued work read and write (shared
// storage). Like a texture, it belongs to the queue while work that uses it is in
// flight.
class GpuBuffer {
public:
    // Null when the memory cannot be had; a buffer starts zero-filled.
    static std::shared_ptr<GpuBuffer> allocate(std::size_t length);

    GpuBuffer(const GpuBuffer&) = delete;
    GpuBuffer& operator=(const GpuBuffer&) = delete;

    std::size_t length() const { return bytes_.size(); }
    std::uint8_t* contents() { return bytes_.data(); }
    const std::uint8_t* contents() const { return bytes_.data(); }

private:
    explicit GpuBuffer(std::size_t length) : bytes_(length) {}

    std::vector<std::uint8_t> bytes_;
};

}  // namespace vlt
