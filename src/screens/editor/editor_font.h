#pragma once

#include <QFont>

#include "ui/text_style.h"

namespace vlt {

// The application's family at a size in points (one point is one device-independent
// pixel), with optional letter tracking in points.
QFont editorSystemFont(double size, QFont::Weight weight = QFont::Normal, double tracking = 0.0);

// A named text style of the shared text styles, with optional tracking.
QFont editorTextStyleFont(TextStyle style, QFont::Weight weight = QFont::Normal, double tracking = 0.0);

}  // namespace vlt
