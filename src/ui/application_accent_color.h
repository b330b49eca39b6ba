#pragma once

#include <QColor>

namespace vlt {

// The application's shared accent colour, sRGB (0.086, 0.298, 0.322), opaque; made once
// on first use.
const QColor& applicationAccentColor();

}  // namespace vlt
