#pragma once

#include "shaders/shader_vector_types.h"

namespace vlt {

// The workspace colours in linear RGBA: the base (sRGB 236, 234, 227, also the
// canvas view's clear colour) and the grid's accent, the base moved 14/255 of the
// way toward sRGB (45, 77, 81) in each encoded component. Computed once.
struct MetalBackgroundColors {
    PackedFloat4 base;
    PackedFloat4 accent;

    static const MetalBackgroundColors& shared();
};

}  // namespace vlt
