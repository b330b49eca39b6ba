#include "editing/renderer/scissor_pieces.h"

namespace vlt {

ScissorPieces::ScissorPieces(const GpuScissorRect& area) : area_(area) {
    if (!area.isEmpty()) pieces_[count_++] = area;
}

void ScissorPieces::cut(const GpuScissorRect& hole) {
    if (!isCut_ || hole.isEmpty()) return;
    std::array<GpuScissorRect, kCapacity> remaining{};
    std::size_t remainingCount = 0;
    auto keep = [&](const GpuScissorRect& part) {
        if (part.isEmpty()) return true;
        if (remainingCount == kCapacity) return false;
        remaining[remainingCount++] = part;
        return true;
    };
    for (std::size_t index = 0; index < count_; ++index) {
        const GpuScissorRect& piece = pieces_[index];
        const GpuScissorRect overlap = piece.intersected(hole);
        // Full-width bands above and below the overlap, then what is left beside it.
        const bool kept = overlap.isEmpty()
                              ? keep(piece)
                              : keep({piece.x, piece.y, piece.width, overlap.y - piece.y}) &&
                                    keep({piece.x, overlap.y + overlap.height, piece.width,
                                          piece.y + piece.height - overlap.y - overlap.height}) &&
                                    keep({piece.x, overlap.y, overlap.x - piece.x, overlap.height}) &&
                                    keep({overlap.x + overlap.width, overlap.y,
                                          piece.x + piece.width - overlap.x - overlap.width, overlap.height});
        if (!kept) {
            isCut_ = false;
            return;
        }
    }
    pieces_ = remaining;
    count_ = remainingCount;
}

}  // namespace vlt
