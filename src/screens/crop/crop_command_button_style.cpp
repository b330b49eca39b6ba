#include "screens/crop/crop_command_button_style.h"

#include "screens/crop/crop_palette.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr int kHorizontalPadding = 14;
constexpr int kMinimumHeight = 42;
constexpr double kCornerRadius = 5.0;
constexpr double kDisabledOpacity = 0.45;

}  // namespace

QFont CropCommandButtonStyle::font() { return textStyleFont(TextStyle::body); }

QColor CropCommandButtonStyle::textColour() { return CropPalette::accent(); }

RoundedButtonFace CropCommandButtonStyle::face(bool isPressed) const {
    return {kCornerRadius, isPressed ? CropPalette::accentWash() : QColor(Qt::white), CropPalette::controlBorder(),
            isEnabled ? 1.0 : kDisabledOpacity};
}

QSize CropCommandButtonStyle::sizeForLabel(QSize label) const {
    return RoundedButtonFace::size(label, kHorizontalPadding, QSize(0, kMinimumHeight));
}

}  // namespace vlt
