#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include <oneapi/tbb/blocked_range.h>
#include <oneapi/tbb/parallel_for.h>

#include "platform/gpu/gpu_color_store.h"
#include "platform/gpu/gpu_command.h"
#include "platform/gpu/gpu_render_encoder.h"
#include "platform/gpu/gpu_triangle_coverage.h"
#include "platform/gpu/gpu_view.h"

namespace vlt {

namespace {

// Work is cut into chunks of about this many pixels (or bytes for copies): large
// enough that scheduling costs little, small enough to spread a 300-pixel stamp.
constexpr std::int64_t kPixelsPerChunk = 8192;
constexpr std::int64_t kBytesPerChunk = 256 * 1024;

std::int64_t rowsPerChunk(std::int64_t itemsPerRow, std::int64_t itemsPerChunk) {
    return std::max<std::int64_t>(1, itemsPerChunk / std::max<std::int64_t>(itemsPerRow, 1));
}

template <typename RowFunction>
void forEachRow(std::int64_t firstRow, std::int64_t endRow, std::int64_t grain, const RowFunction& function) {
    if (endRow <= firstRow) return;
    tbb::parallel_for(tbb::blocked_range<std::int64_t>(firstRow, endRow, static_cast<std::size_t>(grain)),
                      [&](const tbb::blocked_range<std::int64_t>& rows) { function(rows.begin(), rows.end()); });
}

void copyRows(const std::uint8_t* source, std::size_t sourceStride, std::uint8_t* destination,
              std::size_t destinationStride, std::size_t rowBytes, std::int64_t rows) {
    forEachRow(0, rows, rowsPerChunk(static_cast<std::int64_t>(rowBytes), kBytesPerChunk),
               [&](std::int64_t begin, std::int64_t end) {
                   for (std::int64_t r = begin; r < end; ++r) {
                       std::memcpy(destination + r * destinationStride, source + r * sourceStride, rowBytes);
                   }
               });
}

std::uint8_t* texelAddress(GpuTexture& texture, GpuOrigin origin) {
    return texture.data() + origin.y * texture.rowBytes() + origin.x * bytesPerPixel(texture.pixelFormat());
}

void run(const GpuDispatchCommand& command) {
    const GpuComputeKernel kernel = command.pipeline->kernel();
    const auto width = static_cast<std::uint32_t>(command.grid.width);
    forEachRow(0, command.grid.height, rowsPerChunk(command.grid.width, kPixelsPerChunk),
               [&](std::int64_t begin, std::int64_t end) {
                   kernel(command.arguments,
                          GpuGridRegion{0, static_cast<std::uint32_t>(begin), width, static_cast<std::uint32_t>(end)});
               });
}

void run(const GpuCopyTextureCommand& command) {
    command.destination->setContentsTag(GpuTexture::kUnknownContents);
    const auto rowBytes =
        static_cast<std::size_t>(command.sourceRegion.size.width * bytesPerPixel(command.source->pixelFormat()));
    copyRows(texelAddress(*command.source, command.sourceRegion.origin),
             static_cast<std::size_t>(command.source->rowBytes()),
             texelAddress(*command.destination, command.destinationOrigin),
             static_cast<std::size_t>(command.destination->rowBytes()), rowBytes, command.sourceRegion.size.height);
}

void run(const GpuCopyTextureToBufferCommand& command) {
    const auto rowBytes =
        static_cast<std::size_t>(command.sourceRegion.size.width * bytesPerPixel(command.source->pixelFormat()));
    copyRows(texelAddress(*command.source, command.sourceRegion.origin),
             static_cast<std::size_t>(command.source->rowBytes()),
             command.destination->contents() + command.destinationOffset, command.destinationBytesPerRow, rowBytes,
             command.sourceRegion.size.height);
}

void run(const GpuCopyBufferToTextureCommand& command) {
    command.destination->setContentsTag(GpuTexture::kUnknownContents);
    const auto rowBytes = static_cast<std::size_t>(command.destinationRegion.size.width *
                                                   bytesPerPixel(command.destination->pixelFormat()));
    copyRows(command.source->contents() + command.sourceOffset, command.sourceBytesPerRow,
             texelAddress(*command.destination, command.destinationRegion.origin),
             static_cast<std::size_t>(command.destination->rowBytes()), rowBytes,
             command.destinationRegion.size.height);
}

void run(const GpuFillBufferCommand& command) {
    std::memset(command.buffer->contents() + command.offset, command.value, command.length);
}

// The pixels a pass may write: the damage when the target still shows the frame
// the pass expects, else all of it.
GpuScissorRect passLimit(const GpuRenderPassDescriptor& descriptor) {
    const GpuTexture& target = *descriptor.colorTexture;
    const GpuScissorRect whole{0, 0, target.width(), target.height()};
    const std::optional<GpuPartialRedraw>& partial = descriptor.partialRedraw;
    if (!partial || partial->expectedContents == GpuTexture::kUnknownContents ||
        target.contentsTag() != partial->expectedContents) {
        return whole;
    }
    return partial->damage.intersected(whole);
}

void clearTarget(const GpuRenderPassDescriptor& descriptor, const GpuScissorRect& limit) {
    if (limit.isEmpty()) return;
    GpuTexture& target = *descriptor.colorTexture;
    const GpuClearColor& c = descriptor.clearColor;
    const GpuFloat4 color{static_cast<float>(c.red), static_cast<float>(c.green), static_cast<float>(c.blue),
                          static_cast<float>(c.alpha)};
    const std::int64_t texelBytes = bytesPerPixel(target.pixelFormat());
    forEachRow(limit.y, limit.y + limit.height, rowsPerChunk(limit.width, kPixelsPerChunk),
               [&](std::int64_t begin, std::int64_t end) {
                   for (std::int64_t y = begin; y < end; ++y) {
                       GpuColorStore::fill(target.pixelFormat(), color, limit.width,
                                           target.row<std::uint8_t>(y) + limit.x * texelBytes);
                   }
               });
}

GpuScreenPoint toScreen(const GpuFloat4& clip, std::int64_t width, std::int64_t height) {
    const double half = 0.5;
    const double w = clip.w != 0.0f ? clip.w : 1.0f;
    const double ndcX = clip.x / w;
    const double ndcY = clip.y / w;
    return {(ndcX + 1.0) * half * static_cast<double>(width), (1.0 - ndcY) * half * static_cast<double>(height)};
}

std::vector<GpuFloat4>& spanColors(std::int64_t count) {
    thread_local std::vector<GpuFloat4> colors;
    if (static_cast<std::int64_t>(colors.size()) < count) colors.resize(static_cast<std::size_t>(count));
    return colors;
}

void run(const GpuDrawCommand& command, GpuTexture& target, const GpuScissorRect& limit) {
    const GpuScissorRect scissor = command.scissor.intersected(limit);
    if (scissor.isEmpty()) return;
    const GpuVertexFunction vertex = command.pipeline->vertexFunction().vertexFunction();
    const GpuFragmentFunction fragment = command.pipeline->fragmentFunction().fragmentFunction();

    std::array<GpuTriangleCoverage, GpuRenderEncoder::kMaximumVerticesPerDraw / 3> triangles;
    const std::uint32_t triangleCount = command.vertexCount / 3;
    std::int64_t firstRow = scissor.y + scissor.height;
    std::int64_t endRow = scissor.y;
    for (std::uint32_t t = 0; t < triangleCount; ++t) {
        std::array<GpuScreenPoint, 3> corners;
        for (std::uint32_t k = 0; k < 3; ++k) {
            const GpuFloat4 clip = vertex(command.vertexStart + t * 3 + k, command.vertexArguments);
            corners[k] = toScreen(clip, target.width(), target.height());
        }
        triangles[t] = GpuTriangleCoverage(corners);
        if (triangles[t].isEmpty()) continue;
        firstRow = std::min(firstRow, triangles[t].firstRow());
        endRow = std::max(endRow, triangles[t].endRow());
    }
    firstRow = std::max(firstRow, scissor.y);
    endRow = std::min(endRow, scissor.y + scissor.height);

    const std::int64_t minX = scissor.x;
    const std::int64_t maxX = scissor.x + scissor.width;
    const GpuPixelFormat format = target.pixelFormat();
    const std::int64_t texelBytes = bytesPerPixel(format);
    forEachRow(firstRow, endRow, rowsPerChunk(scissor.width, kPixelsPerChunk),
               [&](std::int64_t begin, std::int64_t end) {
                   std::vector<GpuFloat4>& colors = spanColors(scissor.width);
                   for (std::int64_t y = begin; y < end; ++y) {
                       std::uint8_t* row = target.row<std::uint8_t>(y);
                       for (std::uint32_t t = 0; t < triangleCount; ++t) {
                           const auto [x0, x1] = triangles[t].rowSpan(y, minX, maxX);
                           if (x1 <= x0) continue;
                           const GpuFragmentSpan span{x0, y, x1 - x0};
                           if (fragment(command.fragmentArguments, span, colors.data()) == GpuSpanColors::uniform) {
                               GpuColorStore::fill(format, colors[0], span.count, row + x0 * texelBytes);
                           } else {
                               GpuColorStore::store(format, colors.data(), span.count, row + x0 * texelBytes);
                           }
                       }
                   }
               });
}

template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

}  // namespace

void executeGpuCommands(const std::vector<GpuCommand>& commands) {
    const GpuRenderPassDescriptor* pass = nullptr;
    GpuScissorRect limit;
    for (const GpuCommand& command : commands) {
        std::visit(Overloaded{
                       [](const GpuDispatchCommand& c) { run(c); },
                       [](const GpuCopyTextureCommand& c) { run(c); },
                       [](const GpuCopyTextureToBufferCommand& c) { run(c); },
                       [](const GpuCopyBufferToTextureCommand& c) { run(c); },
                       [](const GpuFillBufferCommand& c) { run(c); },
                       [&](const GpuBeginRenderPassCommand& c) {
                           pass = &c.descriptor;
                           limit = passLimit(c.descriptor);
                           if (c.descriptor.loadAction == GpuLoadAction::clear) clearTarget(c.descriptor, limit);
                       },
                       [&](const GpuDrawCommand& c) { run(c, *pass->colorTexture, limit); },
                       [&](const GpuEndRenderPassCommand&) {
                           pass->colorTexture->setContentsTag(pass->contentsTag);
                           pass = nullptr;
                       },
                       [](const GpuPresentCommand& c) { c.drawable->presentNow(); },
                   },
                   command);
    }
}

}  // namespace vlt
