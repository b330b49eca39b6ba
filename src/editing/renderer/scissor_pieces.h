#pragma once

#include <array>
#include <cstddef>

#include "platform/gpu/gpu_render_pass_descriptor.h"

namespace vlt {

// An area of whole target pixels with holes cut out of it, as a few disjoint
// rectangles to draw one after the other. Holding them needs no allocation; when
// cutting would take more rectangles than fit, the area is kept whole (drawing more
// than needed is always allowed where a later draw covers it).
class ScissorPieces {
public:
    static constexpr std::size_t kCapacity = 24;

    explicit ScissorPieces(const GpuScissorRect& area);

    void cut(const GpuScissorRect& hole);

    bool isCut() const { return isCut_; }
    std::size_t size() const { return isCut_ ? count_ : 1; }
    const GpuScissorRect& operator[](std::size_t index) const { return isCut_ ? pieces_[index] : area_; }

private:
    GpuScissorRect area_;
    std::array<GpuScissorRect, kCapacity> pieces_{};
    std::size_t count_ = 0;
    bool isCut_ = true;
};

}  // namespace vlt
