#pragma once

namespace vlt {

// Four 32-bit floats: a clip-space position or a linear RGBA colour with straight
// (not premultiplied) alpha.
struct GpuFloat4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;

    friend bool operator==(const GpuFloat4&, const GpuFloat4&) = default;
};

}  // namespace vlt
