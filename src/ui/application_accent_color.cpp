#include "ui/application_accent_color.h"

namespace vlt {

const QColor& applicationAccentColor() {
    static const QColor colour = QColor::fromRgbF(0.086f, 0.298f, 0.322f, 1.0f);
    return colour;
}

}  // namespace vlt
