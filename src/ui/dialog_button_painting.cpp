#include "ui/dialog_button_painting.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

#include "ui/modal_palette.h"

namespace vlt {

QSize DialogButtonPainting::size(const QStyleOption* option, const QWidget* widget, int minimumWidth,
                                 int minimumHeight, int horizontalPadding) {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    const QFontMetrics metrics = widget != nullptr ? widget->fontMetrics() : option->fontMetrics;
    const QString text = button != nullptr ? button->text : QString();
    const int textWidth = metrics.horizontalAdvance(text);
    return {std::max(minimumWidth, textWidth + 2 * horizontalPadding), std::max(minimumHeight, metrics.height() + 8)};
}

void DialogButtonPainting::drawLabel(QPainter& painter, const QStyleOption* option, const QWidget* widget,
                                     const QColor& colour) {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (button == nullptr) return;
    painter.save();
    if (widget != nullptr) painter.setFont(widget->font());
    painter.setPen(colour);
    painter.drawText(option->rect, Qt::AlignCenter | Qt::TextShowMnemonic, button->text);
    painter.restore();
}

void DialogButtonPainting::drawFocusRing(QPainter& painter, const QStyleOption* option, double cornerRadius) {
    const QStyle::State keyboardFocus = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    if ((option->state & keyboardFocus) != keyboardFocus || !(option->state & QStyle::State_Enabled)) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor ring = ModalPalette::accent();
    ring.setAlphaF(0.45f);
    painter.setPen(QPen(ring, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(option->rect).adjusted(1.0, 1.0, -1.0, -1.0), cornerRadius - 1.0,
                            cornerRadius - 1.0);
    painter.restore();
}

}  // namespace vlt
