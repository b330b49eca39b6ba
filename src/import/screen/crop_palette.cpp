#include "import/screen/crop_palette.h"

#include "import/screen/srgb_color.h"

namespace vlt {

const QColor& CropPalette::accent() {
    static const QColor colour = makeSRGBColor(0.086, 0.298, 0.322);
    return colour;
}

const QColor& CropPalette::selectedBorder() {
    static const QColor colour = makeSRGBColor(0.157, 0.416, 0.447);
    return colour;
}

const QColor& CropPalette::accentWash() {
    static const QColor colour = makeSRGBColor(0.91, 0.941, 0.941);
    return colour;
}

const QColor& CropPalette::ink() {
    static const QColor colour = makeSRGBColor(0.063, 0.176, 0.196);
    return colour;
}

const QColor& CropPalette::bodyText() {
    static const QColor colour = makeSRGBColor(0.192, 0.329, 0.353);
    return colour;
}

const QColor& CropPalette::secondaryText() {
    static const QColor colour = makeSRGBColor(0.478, 0.576, 0.596);
    return colour;
}

const QColor& CropPalette::hairline() {
    static const QColor colour = makeSRGBColor(0.847, 0.878, 0.882);
    return colour;
}

const QColor& CropPalette::controlBorder() {
    static const QColor colour = makeSRGBColor(0.784, 0.824, 0.831);
    return colour;
}

const QColor& CropPalette::workspaceBackground() {
    static const QColor colour = makeSRGBColor(0.925, 0.918, 0.89);
    return colour;
}

const QColor& CropPalette::sizeBoxFill() {
    static const QColor colour = makeSRGBColor(0.984, 0.98, 0.965);
    return colour;
}

const QColor& CropPalette::gridLine() {
    static const QColor colour = [] {
        QColor line = makeSRGBColor(0.176, 0.302, 0.318);
        line.setAlphaF(0.055f);
        return line;
    }();
    return colour;
}

QColor CropPalette::disabledPrimaryFill() { return makeSRGBColor(0.682, 0.741, 0.749); }

}  // namespace vlt
