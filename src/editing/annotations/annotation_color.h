#pragma once

#include <cstdint>

#include <QColor>

namespace vlt {

// An opaque sRGB colour of an annotation, one byte per component.
struct AnnotationColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const AnnotationColor&, const AnnotationColor&) = default;

    // From a colour picked by the user: components outside 0...1 (extended sRGB)
    // are clamped, the rest rounded to the nearest byte.
    static AnnotationColor fromColor(const QColor& color);

    // The sRGB colour with alpha 1 that every drawing of the annotation uses.
    QColor platformColor() const;
};

}  // namespace vlt
