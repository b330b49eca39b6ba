#include "editor_screen/editor_palette.h"

namespace vlt {
namespace {

QColor fractions(double red, double green, double blue) { return QColor::fromRgbF(red, green, blue); }

QColor bytes(int red, int green, int blue) { return QColor(red, green, blue); }

}  // namespace

const QColor& EditorPalette::ink() {
    static const QColor color = fractions(0.086, 0.298, 0.322);
    return color;
}

const QColor& EditorPalette::commandPressedFill() {
    static const QColor color = fractions(0.910, 0.941, 0.941);
    return color;
}

const QColor& EditorPalette::selectedFill() {
    static const QColor color = fractions(0.910, 0.933, 0.941);
    return color;
}

const QColor& EditorPalette::primaryText() {
    static const QColor color = fractions(0.063, 0.176, 0.196);
    return color;
}

const QColor& EditorPalette::secondaryText() {
    static const QColor color = fractions(0.192, 0.329, 0.353);
    return color;
}

const QColor& EditorPalette::mutedText() {
    static const QColor color = fractions(0.478, 0.576, 0.596);
    return color;
}

const QColor& EditorPalette::divider() {
    static const QColor color = fractions(0.847, 0.878, 0.882);
    return color;
}

const QColor& EditorPalette::controlBorder() {
    static const QColor color = fractions(0.784, 0.824, 0.831);
    return color;
}

const QColor& EditorPalette::workspace() {
    static const QColor color = fractions(0.925, 0.918, 0.890);
    return color;
}

const QColor& EditorPalette::disclosureFill() {
    static const QColor color = bytes(247, 247, 247);
    return color;
}

const QColor& EditorPalette::disclosureBorder() {
    static const QColor color = bytes(220, 220, 220);
    return color;
}

const QColor& EditorPalette::disclosureHoverFill() {
    static const QColor color = bytes(240, 246, 243);
    return color;
}

const QColor& EditorPalette::disclosureHoverBorder() {
    static const QColor color = bytes(185, 206, 197);
    return color;
}

const QColor& EditorPalette::disclosurePressedFill() {
    static const QColor color = bytes(229, 239, 234);
    return color;
}

const QColor& EditorPalette::suggestionsHeadingText() {
    static const QColor color = bytes(22, 22, 22);
    return color;
}

const QColor& EditorPalette::suggestionsSecondaryText() {
    static const QColor color = bytes(93, 93, 93);
    return color;
}

const QColor& EditorPalette::suggestionBorder() {
    static const QColor color = bytes(214, 214, 214);
    return color;
}

const QColor& EditorPalette::suggestionText() {
    static const QColor color = bytes(31, 31, 31);
    return color;
}

const QColor& EditorPalette::suggestionAccent() {
    static const QColor color = bytes(13, 92, 70);
    return color;
}

const QColor& EditorPalette::suggestionHintFill() {
    static const QColor color = bytes(240, 246, 243);
    return color;
}

const QColor& EditorPalette::suggestionHintBorder() {
    static const QColor color = bytes(217, 231, 224);
    return color;
}

const QColor& EditorPalette::suggestionHintText() {
    static const QColor color = bytes(93, 93, 93);
    return color;
}

const QColor& EditorPalette::headerFill() {
    static const QColor color = QColor(255, 255, 255, 158);
    return color;
}

const QColor& EditorPalette::tabBorder() {
    static const QColor color = fractions(0.698, 0.757, 0.765);
    return color;
}

const QColor& EditorPalette::historyGroupFill() {
    static const QColor color = fractions(0.914, 0.914, 0.914);
    return color;
}

const QColor& EditorPalette::historySeparator() {
    static const QColor color = fractions(0.824, 0.824, 0.824);
    return color;
}

const QColor& EditorPalette::historyIconPressedFill() {
    static const QColor color = fractions(0.835, 0.855, 0.855);
    return color;
}

const QColor& EditorPalette::historyResetPressedFill() {
    static const QColor color = fractions(0.835, 0.894, 0.898);
    return color;
}

const QColor& EditorPalette::historyDisabledInk() {
    static const QColor color = fractions(0.667, 0.706, 0.710);
    return color;
}

}  // namespace vlt
