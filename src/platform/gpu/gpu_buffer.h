#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

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

    std::size_t length() const { return length_; }
    std::uint8_t* contents() { return bytes_.get(); }
    const std::uint8_t* contents() const { return bytes_.get(); }

private:
    struct FreeBytes {
        void operator()(std::uint8_t* bytes) const;
    };

    GpuBuffer(std::uint8_t* bytes, std::size_t length) : bytes_(bytes), length_(length) {}

    std::unique_ptr<std::uint8_t, FreeBytes> bytes_;
    std::size_t length_;
};

}  // namespace vlt
