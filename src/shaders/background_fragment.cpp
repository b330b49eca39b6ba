#include "shaders/background_fragment.h"

#include <algorithm>
#include <cmath>

#include "shaders/background_uniforms.h"

namespace vlt {

namespace {

constexpr float kPixelCentreOffset = 0.5f;
constexpr std::uint32_t kWholeTarget = 0;
constexpr float kFirstLineCell = 1.0f;

GpuFloat4 colorOf(const PackedFloat4& c) {
    return {c.x, c.y, c.z, c.w};
}

struct Grid {
    float spacing;
    float lineWidth;
    float pixelsPerPoint;

    // Whether a pixel centre, in target pixels from the origin, falls on a line.
    bool onLine(float pixelsFromOrigin) const {
        const float points = pixelsFromOrigin / pixelsPerPoint;
        const float cell = std::floor(points / spacing);
        return cell >= kFirstLineCell && points - cell * spacing < lineWidth;
    }
};

}  // namespace

void backgroundFragment(const GpuArguments& arguments, const GpuFragmentSpan& span, GpuFloat4* colors) {
    const auto u = arguments.bytes<BackgroundUniforms>(kBackgroundUniformsBufferIndex);
    const GpuFloat4 base = colorOf(u.baseColor);
    const GpuFloat4 accent = colorOf(u.accentColor);
    const bool hasGrid = u.drawsPane != kWholeTarget && u.constants.x > 0.0f && u.constants.y > 0.0f;
    if (!hasGrid) {
        std::fill(colors, colors + span.count, base);
        return;
    }
    const Grid grid{u.constants.x, u.constants.y, u.backingScale > 0.0f ? u.backingScale : 1.0f};
    if (grid.onLine(static_cast<float>(span.y) + kPixelCentreOffset - u.origin.y)) {
        std::fill(colors, colors + span.count, accent);
        return;
    }
    for (std::int64_t i = 0; i < span.count; ++i) {
        const float x = static_cast<float>(span.x + i) + kPixelCentreOffset - u.origin.x;
        colors[i] = grid.onLine(x) ? accent : base;
    }
}

}  // namespace vlt
