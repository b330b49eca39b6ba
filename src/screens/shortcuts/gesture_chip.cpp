#include "screens/shortcuts/gesture_chip.h"

#include <QPainter>
#include <algorithm>

#include "ui/settings_palette.h"
#include "ui/text_style.h"

namespace vlt {

GestureChip::GestureChip(const QString& gesture, QWidget* parent) : QLabel(gesture, parent) {
    setFont(textStyleFont(TextStyle::callout, QFont::DemiBold));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setContentsMargins(11, 6, 11, 6);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, SettingsPalette::accent());
    setPalette(palette);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize GestureChip::sizeHint() const {
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int width = std::clamp(textWidth + 22 + 1, minimumChipWidth, maximumChipWidth);
    return {width, heightForWidth(width)};
}

QSize GestureChip::minimumSizeHint() const { return sizeHint(); }

void GestureChip::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(SettingsPalette::border(), 1.0));
        painter.setBrush(SettingsPalette::keyFill());
        painter.drawRoundedRect(box, 4.5, 4.5);
    }
    QLabel::paintEvent(event);
}

}  // namespace vlt
