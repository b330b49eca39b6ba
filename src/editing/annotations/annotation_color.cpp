#include "editing/annotations/annotation_color.h"

#include <algorithm>
#include <cmath>

namespace vlt {

namespace {

constexpr double kComponentMaximum = 255.0;

std::uint8_t componentByte(double component) {
    const double clamped = std::isnan(component) ? 0.0 : std::clamp(component, 0.0, 1.0);
    return static_cast<std::uint8_t>(std::round(clamped * kComponentMaximum));
}

}  // namespace

AnnotationColor AnnotationColor::fromColor(const QColor& color) {
    // Extended sRGB keeps components beyond 0...1; converting it would clamp them
    // before we do, which gives the same bytes, so only other models are converted.
    const QColor srgb = color.spec() == QColor::ExtendedRgb ? color : color.toRgb();
    return {componentByte(srgb.redF()), componentByte(srgb.greenF()), componentByte(srgb.blueF())};
}

QColor AnnotationColor::platformColor() const {
    return QColor::fromRgbF(static_cast<float>(red / kComponentMaximum), static_cast<float>(green / kComponentMaximum),
                            static_cast<float>(blue / kComponentMaximum), 1.0f);
}

}  // namespace vlt
