#include "screens/crop/crop_primary_button_style.h"

#include "screens/crop/crop_palette.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr int kHorizontalPadding = 15;
constexpr QSize kMinimumSize{142, 42};
constexpr double kCornerRadius = 5.0;
constexpr float kPressedFillOpacity = 0.88f;
constexpr double kDisabledOpacity = 0.72;

}  // namespace

QFont CropPrimaryButtonStyle::font() { return textStyleFont(TextStyle::body, QFont::DemiBold); }

RoundedButtonFace CropPrimaryButtonStyle::face(bool isPressed) const {
    if (!isEnabled) return {kCornerRadius, CropPalette::disabledPrimaryFill(), QColor(), kDisabledOpacity};
    QColor fill = CropPalette::accent();
    fill.setAlphaF(isPressed ? kPressedFillOpacity : 1.0f);
    return {kCornerRadius, fill, QColor(), 1.0};
}

QSize CropPrimaryButtonStyle::sizeForLabel(QSize label) const {
    return RoundedButtonFace::size(label, kHorizontalPadding, kMinimumSize);
}

}  // namespace vlt
