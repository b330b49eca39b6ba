#pragma once

#include <QColor>

namespace vlt {

// A colour from sRGB components in 0...1. Every fixed palette colour of the screens and
// dialogs is made through it once, into a function-local static.
inline QColor makeSRGBColor(double red, double green, double blue, double opacity = 1.0) {
    return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue),
                            static_cast<float>(opacity));
}

}  // namespace vlt

// Defines `Palette::name()`: the colour of these components, made on first use and kept.
#define VLT_PALETTE_COLOR(Palette, name, ...)                          \
    const QColor& Palette::name() {                                    \
        static const QColor color = ::vlt::makeSRGBColor(__VA_ARGS__); \
        return color;                                                  \
    }
