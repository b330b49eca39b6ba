#pragma once

#include "import/crop_corner.h"

namespace vlt {

// The drag in progress on the crop surface: a corner resize or a move.
struct CropInteraction {
    enum class Kind { resize, move };

    Kind kind = Kind::move;
    // Meaningful for resize only.
    CropCorner corner = CropCorner::topLeft;

    static CropInteraction resize(CropCorner corner) { return {Kind::resize, corner}; }
    static CropInteraction move() { return {Kind::move, CropCorner::topLeft}; }

    friend bool operator==(const CropInteraction& a, const CropInteraction& b) {
        if (a.kind != b.kind) return false;
        return a.kind == Kind::move || a.corner == b.corner;
    }
};

}  // namespace vlt
