#include "screens/crop/crop_command_button.h"

#include <QPainter>

#include "screens/crop/crop_command_button_style.h"

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
    style.face(isDown()).paint(painter, QRectF(rect()));
    painter.setPen(CropCommandButtonStyle::textColour());
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace vlt
