#pragma once

#include <cmath>

namespace vlt {

// A pair of 32-bit floats: a point or a vector in canvas pixels (x to the right,
// y downward). Arithmetic stays in float so results match the kernels' precision.
struct Float2 {
    float x = 0.0f;
    float y = 0.0f;

    friend bool operator==(const Float2&, const Float2&) = default;

    friend constexpr Float2 operator+(Float2 a, Float2 b) { return {a.x + b.x, a.y + b.y}; }
    friend constexpr Float2 operator-(Float2 a, Float2 b) { return {a.x - b.x, a.y - b.y}; }
    friend constexpr Float2 operator*(Float2 a, float s) { return {a.x * s, a.y * s}; }
    friend constexpr Float2 operator*(float s, Float2 a) { return {a.x * s, a.y * s}; }
    friend constexpr Float2 operator/(Float2 a, float s) { return {a.x / s, a.y / s}; }

    Float2& operator+=(Float2 other) {
        x += other.x;
        y += other.y;
        return *this;
    }

    float length() const { return std::sqrt(x * x + y * y); }
    bool isFinite() const { return std::isfinite(x) && std::isfinite(y); }
};

}  // namespace vlt
