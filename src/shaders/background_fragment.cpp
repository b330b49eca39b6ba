#include "shaders/background_fragment.h"

#include <algorithm>
#include <cmath>

#include "shaders/background_uniforms.h"

namespace vlt {

namespace {

constexpr float kPixelCentreOffset = 0.5f;
constexpr std::uint32_t kWholeTarget = 0;
constexpr float kFirstLineCell = 1.0f;

GpuFloat4 colorOf(const PackedFloat4& c) { return {c.x, c.y, c.z, c.w}; }

struct Grid {
    float spacing;
    float lineWidth;
    float pixelsPerPoint;
    float origin;

    float points(std::int64_t pixel) const {
        return (static_cast<float>(pixel) + kPixelCentreOffset - origin) / pixelsPerPoint;
    }

    // Whether the pixel's centre falls on a line.
    bool onLine(std::int64_t pixel) const {
        const float p = points(pixel);
        const float cell = std::floor(p / spacing);
        return cell >= kFirstLineCell && p - cell * spacing < lineWidth;
    }
};

// Lines are few and far between: paint the base and test only the pixels around
// each line's start, with the same test as a pixel-by-pixel pass.
constexpr std::int64_t kLineSearchMargin = 2;

void paintLines(const Grid& grid, const GpuFragmentSpan& span, const GpuFloat4& accent, GpuFloat4* colors) {
    const std::int64_t end = span.x + span.count;
    const float firstCell = std::max(kFirstLineCell, std::floor(grid.points(span.x) / grid.spacing));
    const float lastCell = std::floor(grid.points(end - 1) / grid.spacing);
    for (float cell = firstCell; cell <= lastCell; cell += 1.0f) {
        const float start = grid.origin + cell * grid.spacing * grid.pixelsPerPoint - kPixelCentreOffset;
        const float stop = start + grid.lineWidth * grid.pixelsPerPoint;
        const std::int64_t from = std::max(span.x, static_cast<std::int64_t>(std::floor(start)) - kLineSearchMargin);
        const std::int64_t to = std::min(end, static_cast<std::int64_t>(std::ceil(stop)) + kLineSearchMargin);
        for (std::int64_t x = from; x < to; ++x) {
            if (grid.onLine(x)) colors[x - span.x] = accent;
        }
    }
}

}  // namespace

GpuSpanColors backgroundFragment(const GpuArguments& arguments, const GpuFragmentSpan& span, GpuFloat4* colors) {
    const auto u = arguments.bytes<BackgroundUniforms>(kBackgroundUniformsBufferIndex);
    const GpuFloat4 base = colorOf(u.baseColor);
    const GpuFloat4 accent = colorOf(u.accentColor);
    const bool hasGrid = u.drawsPane != kWholeTarget && u.constants.x > 0.0f && u.constants.y > 0.0f;
    const float pixelsPerPoint = u.backingScale > 0.0f ? u.backingScale : 1.0f;
    const Grid rows{u.constants.x, u.constants.y, pixelsPerPoint, u.origin.y};
    const bool rowOnLine = hasGrid && rows.onLine(span.y);
    if (!hasGrid || rowOnLine) {
        colors[0] = rowOnLine ? accent : base;
        return GpuSpanColors::uniform;
    }
    std::fill(colors, colors + span.count, base);
    paintLines(Grid{u.constants.x, u.constants.y, pixelsPerPoint, u.origin.x}, span, accent, colors);
    return GpuSpanColors::perPixel;
}

}  // namespace vlt
