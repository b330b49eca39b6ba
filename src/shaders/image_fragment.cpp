#include "shaders/image_fragment.h"

#include <vector>

#include "platform/gpu/srgb_transfer.h"
#include "shaders/bilinear_sampling.h"
#include "shaders/displacement_occupancy.h"
#include "shaders/image_uniforms.h"

namespace vlt {

namespace {

using namespace shading;

// Per span the occupancy of the two field rows a bilinear sample touches, merged
// column by column; null when the span cannot use it.
const std::uint8_t* mergedOccupancy(const GpuBuffer* occupancy, const FieldView& field, const Footprint& fy) {
    if (occupancy == nullptr) return nullptr;
    const std::int64_t columns = occupancyColumns(field.width);
    const std::int64_t rows = occupancyRows(field.height);
    if (static_cast<std::int64_t>(occupancy->length()) < columns * rows) return nullptr;
    thread_local std::vector<std::uint8_t> merged;
    if (static_cast<std::int64_t>(merged.size()) < columns) merged.resize(static_cast<std::size_t>(columns));
    const std::uint8_t* first = occupancy->contents() + (fy.first / kOccupancyTileSize) * columns;
    const std::uint8_t* second = occupancy->contents() + (fy.second / kOccupancyTileSize) * columns;
    for (std::int64_t column = 0; column < columns; ++column) {
        merged[static_cast<std::size_t>(column)] = static_cast<std::uint8_t>(first[column] | second[column]);
    }
    return merged.data();
}

bool isZeroAt(const std::uint8_t* merged, const Footprint& fx) {
    return (merged[fx.first / kOccupancyTileSize] | merged[fx.second / kOccupancyTileSize]) == kOccupancyZero;
}

}  // namespace

GpuSpanColors imageFragment(const GpuArguments& arguments, const GpuFragmentSpan& span, GpuFloat4* colors) {
    const auto u = arguments.bytes<ImageUniforms>(kImageUniformsBufferIndex);
    const ImageView image(*arguments.texture(kImageSourceTextureIndex), SrgbTransfer::decodeTable().data(),
                          SrgbTransfer::unormTable().data());
    const FieldView field(*arguments.texture(kImageDisplacementTextureIndex));

    const float toCanvasX = u.canvasSize.x / u.imageRect.z;
    const float toCanvasY = u.canvasSize.y / u.imageRect.w;
    const float canvasY =
        (static_cast<float>(span.y) + kPixelCentreOffset - u.imageRect.y) * toCanvasY - kPixelCentreOffset;
    const Footprint fy = footprintAlong(canvasY, image.height);
    const std::uint8_t* top = image.row(fy.first);
    const std::uint8_t* bottom = image.row(fy.second);

    const float scale = u.displacementScale;
    const bool displaces = scale > kZero || scale < kZero;
    const std::uint8_t* merged =
        displaces ? mergedOccupancy(arguments.buffer(kImageOccupancyBufferIndex), field, fy) : nullptr;

    for (std::int64_t i = 0; i < span.count; ++i) {
        const float canvasX =
            (static_cast<float>(span.x + i) + kPixelCentreOffset - u.imageRect.x) * toCanvasX - kPixelCentreOffset;
        const Footprint fx = footprintAlong(canvasX, image.width);
        if (displaces && (merged == nullptr || !isZeroAt(merged, fx))) {
            const PackedFloat2 d = sampleField(field, fx, fy);
            colors[i] = sampleImage(image, canvasX + scale * d.x, canvasY + scale * d.y);
        } else {
            // A zero displacement samples exactly where the pixel is.
            colors[i] = sampleImageRows(image, top, bottom, fx, fy.fraction);
        }
    }
    return GpuSpanColors::perPixel;
}

}  // namespace vlt
