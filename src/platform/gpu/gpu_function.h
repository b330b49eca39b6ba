#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gpu/gpu_arguments.h"
#include "platform/gpu/gpu_float4.h"

namespace vlt {

// The threads [x0, x1) × [y0, y1) of a dispatch's grid that one call runs; every
// thread writes only its own outputs, so any split of the grid gives the same bytes.
struct GpuGridRegion {
    std::uint32_t x0 = 0;
    std::uint32_t y0 = 0;
    std::uint32_t x1 = 0;
    std::uint32_t y1 = 0;
};

// A run of `count` pixels of one row of the render target, starting at column x;
// pixel i has its centre at (x + i + 0.5, y + 0.5).
struct GpuFragmentSpan {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t count = 0;
};

// What a fragment function wrote for a span.
enum class GpuSpanColors {
    // One colour per pixel.
    perPixel,
    // Only colors[0], which holds for the whole span (a flat fill stores faster).
    uniform,
};

// A compute kernel runs the threads of a grid region.
using GpuComputeKernel = void (*)(const GpuArguments& arguments, const GpuGridRegion& region);
// A vertex function returns the clip-space position (x, y, z, w) of one vertex.
using GpuVertexFunction = GpuFloat4 (*)(std::uint32_t vertexID, const GpuArguments& arguments);
// A fragment function writes the linear, straight-alpha colours of a span.
using GpuFragmentFunction = GpuSpanColors (*)(const GpuArguments& arguments, const GpuFragmentSpan& span,
                                              GpuFloat4* colors);

enum class GpuFunctionKind {
    compute,
    vertex,
    fragment,
};

// One named entry of a function library.
class GpuFunction {
public:
    static GpuFunction compute(std::string name, GpuComputeKernel kernel) {
        GpuFunction function(std::move(name), GpuFunctionKind::compute);
        function.kernel_ = kernel;
        return function;
    }
    static GpuFunction vertex(std::string name, GpuVertexFunction vertex) {
        GpuFunction function(std::move(name), GpuFunctionKind::vertex);
        function.vertex_ = vertex;
        return function;
    }
    static GpuFunction fragment(std::string name, GpuFragmentFunction fragment) {
        GpuFunction function(std::move(name), GpuFunctionKind::fragment);
        function.fragment_ = fragment;
        return function;
    }

    const std::string& name() const { return name_; }
    GpuFunctionKind kind() const { return kind_; }
    GpuComputeKernel computeKernel() const { return kernel_; }
    GpuVertexFunction vertexFunction() const { return vertex_; }
    GpuFragmentFunction fragmentFunction() const { return fragment_; }

private:
    GpuFunction(std::string name, GpuFunctionKind kind) : name_(std::move(name)), kind_(kind) {}

    std::string name_;
    GpuFunctionKind kind_;
    GpuComputeKernel kernel_ = nullptr;
    GpuVertexFunction vertex_ = nullptr;
    GpuFragmentFunction fragment_ = nullptr;
};

}  // namespace vlt
