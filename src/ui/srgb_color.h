#pragma once

#include <QColor>

namespace vlt {

// An opaque colour from sRGB components in 0...1. Fixed palette colours are made
// through it once, into function-local statics.
inline QColor makeSRGBColor(double red, double green, double blue) {
    return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue), 1.0f);
}

}  // namespace vlt
