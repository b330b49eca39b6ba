#pragma once

#include <optional>

#include "platform/gpu/gpu_function.h"
#include "platform/gpu/gpu_pixel_format.h"

namespace vlt {

struct GpuRenderPipelineDescriptor {
    std::optional<GpuFunction> vertexFunction;
    std::optional<GpuFunction> fragmentFunction;
    // The format of colour attachment 0; a pass may only draw with a pipeline made
    // for its target's format.
    GpuPixelFormat colorPixelFormat = GpuPixelFormat::bgra8UnormSrgb;
};

// A vertex and fragment pair for one colour attachment format; no blending: the
// fragment's colour replaces the target's.
class GpuRenderPipeline {
public:
    GpuRenderPipeline(GpuFunction vertex, GpuFunction fragment, GpuPixelFormat colorPixelFormat)
        : vertex_(std::move(vertex)), fragment_(std::move(fragment)), colorPixelFormat_(colorPixelFormat) {}

    const GpuFunction& vertexFunction() const { return vertex_; }
    const GpuFunction& fragmentFunction() const { return fragment_; }
    GpuPixelFormat colorPixelFormat() const { return colorPixelFormat_; }

private:
    GpuFunction vertex_;
    GpuFunction fragment_;
    GpuPixelFormat colorPixelFormat_;
};

}  // namespace vlt
