#include "shaders/clear_displacement.h"

#include <algorithm>

#include "shaders/shader_vector_types.h"

namespace vlt {

void clearDisplacement(const GpuArguments& arguments, const GpuGridRegion& region) {
    GpuTexture& field = *arguments.texture(kClearFieldTextureIndex);
    const PackedFloat2 zero{};
    for (std::uint32_t y = region.y0; y < region.y1; ++y) {
        PackedFloat2* row = field.row<PackedFloat2>(y);
        std::fill(row + region.x0, row + region.x1, zero);
    }
}

}  // namespace vlt
