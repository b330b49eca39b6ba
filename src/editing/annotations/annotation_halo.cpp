#include "editing/annotations/annotation_halo.h"

#include <cmath>

namespace vlt {

namespace {

constexpr double kMinimumContrastAgainstBlack = 3.0;
constexpr double kContrastOffset = 0.05;
constexpr float kHaloShareOfSize = 0.2f;
constexpr float kTextHaloShareOfFontSize = 0.06f;
constexpr float kMinimumHaloWidth = 1.0f;
constexpr float kMaximumHaloWidth = 4.0f;

double linearComponent(std::uint8_t byte) {
    const double value = byte / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

// A negative or NaN size gets the thinnest halo.
float clampedHalo(float width) {
    if (!(width > kMinimumHaloWidth)) return kMinimumHaloWidth;
    return width > kMaximumHaloWidth ? kMaximumHaloWidth : width;
}

}  // namespace

double relativeLuminance(const AnnotationColor& color) {
    return 0.2126 * linearComponent(color.red) + 0.7152 * linearComponent(color.green) +
           0.0722 * linearComponent(color.blue);
}

AnnotationColor haloColor(const AnnotationColor& color) {
    const double contrastAgainstBlack = (relativeLuminance(color) + kContrastOffset) / kContrastOffset;
    if (contrastAgainstBlack >= kMinimumContrastAgainstBlack) return {0, 0, 0};
    return {255, 255, 255};
}

float annotationHaloWidth(float size) { return clampedHalo(kHaloShareOfSize * size); }

float annotationHaloExtraWidth(float size) { return 2.0f * annotationHaloWidth(size); }

float annotationTextHaloWidth(float fontSize) { return clampedHalo(kTextHaloShareOfFontSize * fontSize); }

}  // namespace vlt
