#include "import/screen/crop_primary_button_style.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

#include "import/screen/crop_palette.h"
#include "ui/text_style.h"

namespace vlt {

QFont CropPrimaryButtonStyle::font() { return textStyleFont(TextStyle::body, QFont::DemiBold); }

QColor CropPrimaryButtonStyle::fill(bool isPressed) const {
    if (!isEnabled) return CropPalette::disabledPrimaryFill();
    QColor colour = CropPalette::accent();
    colour.setAlphaF(static_cast<float>(isPressed ? kPressedFillOpacity : 1.0));
    return colour;
}

QSize CropPrimaryButtonStyle::sizeForLabel(QSize label) const {
    return {std::max(kMinimumWidth, label.width() + 2 * kHorizontalPadding), std::max(kMinimumHeight, label.height())};
}

void CropPrimaryButtonStyle::drawBackground(QPainter& painter, const QRectF& rect, bool isPressed) const {
    painter.setOpacity(opacity());
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(rect, kCornerRadius, kCornerRadius);
    painter.fillPath(shape, fill(isPressed));
}

}  // namespace vlt
