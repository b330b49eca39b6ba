#pragma once

#include <cstdint>
#include <memory>
#include <optional>

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

// Whole target pixels that draws may write.
struct GpuScissorRect {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;

    friend bool operator==(const GpuScissorRect&, const GpuScissorRect&) = default;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    GpuScissorRect intersected(const GpuScissorRect& other) const;
};

// Redrawing only what changed: a pass whose target still holds the frame tagged
// expectedContents writes nothing outside damage (neither its clear nor its draws),
// since every pixel there would come out as it already is. On a target holding
// anything else the pass runs in full, so a wrong guess costs time, never pixels.
struct GpuPartialRedraw {
    std::uint64_t expectedContents = 0;
    // May be empty: the frame is shown again as it is.
    GpuScissorRect damage;
};

// The one colour attachment of a render pass; its contents are always stored.
struct GpuRenderPassDescriptor {
    std::shared_ptr<GpuTexture> colorTexture;
    GpuLoadAction loadAction = GpuLoadAction::clear;
    GpuClearColor clearColor;
    // The tag the target carries once the pass has run (GpuTexture::contentsTag).
    std::uint64_t contentsTag = GpuTexture::kUnknownContents;
    std::optional<GpuPartialRedraw> partialRedraw = std::nullopt;
};

inline GpuScissorRect GpuScissorRect::intersected(const GpuScissorRect& other) const {
    const std::int64_t left = x > other.x ? x : other.x;
    const std::int64_t top = y > other.y ? y : other.y;
    const std::int64_t right = x + width < other.x + other.width ? x + width : other.x + other.width;
    const std::int64_t bottom = y + height < other.y + other.height ? y + height : other.y + other.height;
    if (right <= left || bottom <= top) return {left, top, 0, 0};
    return {left, top, right - left, bottom - top};
}

}  // namespace vlt
