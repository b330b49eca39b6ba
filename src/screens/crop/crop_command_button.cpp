#include "screens/crop/crop_command_button.h"

#include <QPainter>

#include "screens/crop/crop_command_button_style.h"
#include "screens/crop/crop_palette.h"
#include "ui/keyboard_focus.h"

namespace vlt {

CropCommandButton::CropCommandButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFont(CropCommandButtonStyle::font());
    setAutoDefault(false);
    setFocusPolicy(Qt::TabFocus);
}

QSize CropCommandButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const QSize label(metrics.horizontalAdvance(text()), metrics.height());
    return CropCommandButtonStyle{isEnabled()}.sizeForLabel(label);
}

void CropCommandButton::paintEvent(QPaintEvent*) {
    const CropCommandButtonStyle style{isEnabled()};
    QPainter painter(this);
    const RoundedButtonFace face = style.face(isDown());
    face.paint(painter, QRectF(rect()));
    painter.setPen(CropCommandButtonStyle::textColour());
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (showsKeyboardFocus(*this)) paintFocusRing(painter, QRectF(rect()), face.cornerRadius, CropPalette::accent());
}

}  // namespace vlt
