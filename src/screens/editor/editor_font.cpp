#include "screens/editor/editor_font.h"

#include <cmath>

#include <QApplication>
#include <QScreen>

namespace vlt {
namespace {

double logicalDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

QFont editorSystemFont(double size, QFont::Weight weight, double tracking) {
    QFont font = QApplication::font();
    const double whole = std::round(size);
    if (std::abs(size - whole) < 1e-9) {
        font.setPixelSize(static_cast<int>(whole));
    } else {
        // Pixel sizes are whole numbers; a fractional size goes through points.
        font.setPointSizeF(size * 72.0 / logicalDotsPerInch());
    }
    font.setWeight(weight);
    if (tracking != 0.0) font.setLetterSpacing(QFont::AbsoluteSpacing, tracking);
    return font;
}

QFont editorTextStyleFont(TextStyle style, QFont::Weight weight, double tracking) {
    return editorSystemFont(textStylePixelSize(style), weight, tracking);
}

}  // namespace vlt
