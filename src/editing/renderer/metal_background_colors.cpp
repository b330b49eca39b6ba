#include "editing/renderer/metal_background_colors.h"

#include <array>
#include <cmath>

namespace vlt {

namespace {

constexpr float kCodeMaximum = 255.0f;
constexpr std::array<float, 3> kBaseCodes = {236.0f, 234.0f, 227.0f};
constexpr std::array<float, 3> kAccentTargetCodes = {45.0f, 77.0f, 81.0f};
constexpr float kAccentFraction = 14.0f / 255.0f;
constexpr float kOpaque = 1.0f;

constexpr float kDecodeLinearLimit = 0.04045f;
constexpr float kLinearSlope = 12.92f;
constexpr float kCurveOffset = 0.055f;
constexpr float kCurveScale = 1.055f;
constexpr float kCurveExponent = 2.4f;

float linearized(float encoded) {
    if (encoded <= kDecodeLinearLimit) return encoded / kLinearSlope;
    return std::pow((encoded + kCurveOffset) / kCurveScale, kCurveExponent);
}

MetalBackgroundColors makeColors() {
    std::array<float, 3> base{};
    std::array<float, 3> accent{};
    for (std::size_t i = 0; i < 3; ++i) {
        const float encoded = kBaseCodes[i] / kCodeMaximum;
        const float target = kAccentTargetCodes[i] / kCodeMaximum;
        base[i] = linearized(encoded);
        accent[i] = linearized(encoded + (target - encoded) * kAccentFraction);
    }
    return {{base[0], base[1], base[2], kOpaque}, {accent[0], accent[1], accent[2], kOpaque}};
}

}  // namespace

const MetalBackgroundColors& MetalBackgroundColors::shared() {
    static const MetalBackgroundColors colors = makeColors();
    return colors;
}

}  // namespace vlt
