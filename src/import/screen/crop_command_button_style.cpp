#include "import/screen/crop_command_button_style.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

#include "import/screen/crop_palette.h"
#include "ui/text_style.h"

namespace vlt {

QFont CropCommandButtonStyle::font() { return textStyleFont(TextStyle::body); }

QColor CropCommandButtonStyle::textColour() { return CropPalette::accent(); }

QColor CropCommandButtonStyle::fill(bool isPressed) const {
    return isPressed ? CropPalette::accentWash() : QColor(Qt::white);
}

QSize CropCommandButtonStyle::sizeForLabel(QSize label) const {
    return {label.width() + 2 * kHorizontalPadding, std::max(kMinimumHeight, label.height())};
}

void CropCommandButtonStyle::drawBackground(QPainter& painter, const QRectF& rect, bool isPressed) const {
    painter.setOpacity(opacity());
    painter.setRenderHint(QPainter::Antialiasing);
    // The outline sits half a point inside so that its whole width stays visible.
    const QRectF outline = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(outline, kCornerRadius, kCornerRadius);
    painter.fillPath(shape, fill(isPressed));
    painter.setPen(QPen(CropPalette::controlBorder(), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
}

}  // namespace vlt
