#pragma once

#include <QColor>

namespace vlt {

// The start page's fixed sRGB colours, each made once on first use.
struct StartupPalette {
    static const QColor& ink();
    static const QColor& accent();
    static const QColor& accentLight();
    static const QColor& accentPale();
    static const QColor& iconWell();
    static const QColor& bodyText();
    static const QColor& secondaryText();
    static const QColor& hairline();
    static const QColor& border();
    static const QColor& background();
    static const QColor& surface();
    static const QColor& keyFill();
    static const QColor& keyBorder();
    static const QColor& cardRule();
    static const QColor& gridLine();  // at its opacity of 0.055
};

}  // namespace vlt
