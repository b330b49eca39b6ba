#pragma once

#include "platform/gpu/gpu_function.h"

namespace vlt {

// A compute function ready to dispatch. The thread-group figures are those callers
// size their groups by; the CPU runs any group shape the same way.
class GpuComputePipeline {
public:
    static constexpr int kThreadExecutionWidth = 32;
    static constexpr int kMaxTotalThreadsPerThreadgroup = 1024;

    explicit GpuComputePipeline(GpuFunction function) : function_(std::move(function)) {}

    const GpuFunction& function() const { return function_; }
    GpuComputeKernel kernel() const { return function_.computeKernel(); }
    int threadExecutionWidth() const { return kThreadExecutionWidth; }
    int maxTotalThreadsPerThreadgroup() const { return kMaxTotalThreadsPerThreadgroup; }

private:
    GpuFunction function_;
};

}  // namespace vlt
