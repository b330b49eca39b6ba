#pragma once

#include <array>
#include <cstddef>
#include <mutex>
#include <string_view>

namespace vlt {

// The requests of the compute layer that can be made to fail.
enum class GpuFaultPoint {
    commandQueue,
    texture,
    buffer,
    computePipeline,
    renderPipeline,
    commandBuffer,
    computeEncoder,
    blitEncoder,
    renderEncoder,
    drawable,
    // A committed command buffer runs none of its work and ends with an error.
    commandExecution,
};

inline constexpr std::size_t kGpuFaultPointCount = 11;

std::string_view toString(GpuFaultPoint point);

// Makes chosen requests fail, so that every failure path of the code above the
// layer can be reached in tests. Thread-safe: execution faults are consumed on the
// queue's worker.
class GpuFaultInjector {
public:
    static constexpr int kEveryTime = -1;

    // Lets `skip` requests at the point succeed, then fails `times` requests in a
    // row (kEveryTime: every later one).
    void inject(GpuFaultPoint point, int skip = 0, int times = 1);
    void clear();

    // Called by the layer for each request: true when this one is to fail.
    bool shouldFail(GpuFaultPoint point);

    // Requests seen at the point since the device was made.
    int requestCount(GpuFaultPoint point) const;

private:
    struct Plan {
        bool active = false;
        int skip = 0;
        int remaining = 0;
    };

    mutable std::mutex mutex_;
    std::array<Plan, kGpuFaultPointCount> plans_{};
    std::array<int, kGpuFaultPointCount> requests_{};
};

}  // namespace vlt
