#pragma once

#include <QColor>
#include <QFont>
#include <QSize>

#include "ui/rounded_button_face.h"

namespace vlt {

// The look of the one forward action of the crop screen: white semibold text on the
// accent colour (88 % while pressed), at least 142 × 42 points, corner radius 5. A
// disabled button shows the muted fill and the whole button at 72 % opacity.
struct CropPrimaryButtonStyle {
    bool isEnabled = true;

    static QFont font();
    static QColor textColour() { return Qt::white; }

    RoundedButtonFace face(bool isPressed) const;
    QSize sizeForLabel(QSize label) const;
};

}  // namespace vlt
