#pragma once

#include <cstdint>
#include <memory>

#include "platform/gpu/gpu_texture.h"

namespace vlt {

enum class GpuLoadAction {
    // The target keeps its contents.
    load,
    // The target is filled with the clear colour before the first draw.
    clear,
};

// A linear colour with straight alpha, each component in [0, 1].
struct GpuClearColor {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double alpha = 0.0;

    friend bool operator==(const GpuClearColor&, const GpuClearColor&) = default;
};

// The one colour attachment of a render pass; its contents are always stored.
struct GpuRenderPassDescriptor {
    std::shared_ptr<GpuTexture> colorTexture;
    GpuLoadAction loadAction = GpuLoadAction::clear;
    GpuClearColor clearColor;
};

// Whole target pixels that draws may write.
struct GpuScissorRect {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;

    friend bool operator==(const GpuScissorRect&, const GpuScissorRect&) = default;
};

}  // namespace vlt
