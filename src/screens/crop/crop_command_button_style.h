#pragma once

#include <QColor>
#include <QFont>
#include <QSize>

#include "ui/rounded_button_face.h"

namespace vlt {

// The look of ordinary commands on the crop screen: accent text on white (the accent
// wash while pressed) in a 1-point outline, at least 42 points high, corner radius 5.
// A disabled button is drawn at 45 % opacity.
struct CropCommandButtonStyle {
    bool isEnabled = true;

    static QFont font();
    static QColor textColour();

    RoundedButtonFace face(bool isPressed) const;
    QSize sizeForLabel(QSize label) const;
};

}  // namespace vlt
