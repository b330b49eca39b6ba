#include "ui/dialog_button_style.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

#include "ui/keyboard_focus.h"
#include "ui/modal_palette.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

constexpr int kLabelVerticalRoom = 8;

void drawFocusRing(QPainter& painter, const QStyleOption& option, double cornerRadius) {
    const QStyle::State keyboardFocus = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    if ((option.state & keyboardFocus) != keyboardFocus || !(option.state & QStyle::State_Enabled)) return;
    paintFocusRing(painter, QRectF(option.rect), cornerRadius, ModalPalette::accent());
}

}  // namespace

DialogButtonStyle::DialogButtonStyle(const Metrics& metrics) : metrics_(metrics) {}

void DialogButtonStyle::install(QPushButton& button, DialogButtonStyle* style) {
    style->setParent(&button);
    button.setStyle(style);
    button.setFont(textStyleFont(TextStyle::body, style->metrics_.labelWeight));
    button.setAutoDefault(false);
    button.setCursor(Qt::ArrowCursor);
}

void DialogButtonStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButton || button == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const bool enabled = option->state & State_Enabled;
    const bool pressed = option->state & State_Sunken;
    painter->save();
    face(enabled, pressed).paint(*painter, QRectF(option->rect));
    if (widget != nullptr) painter->setFont(widget->font());
    painter->setPen(labelColor());
    painter->drawText(option->rect, Qt::AlignCenter | Qt::TextShowMnemonic, button->text);
    drawFocusRing(*painter, *option, metrics_.cornerRadius);
    painter->restore();
}

QSize DialogButtonStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                                          const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (type != CT_PushButton || button == nullptr) {
        return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
    }
    const QFontMetrics fontMetrics = widget != nullptr ? widget->fontMetrics() : option->fontMetrics;
    const QSize label(fontMetrics.horizontalAdvance(button->text), fontMetrics.height() + kLabelVerticalRoom);
    return RoundedButtonFace::size(label, metrics_.horizontalPadding,
                                   QSize(metrics_.minimumWidth, metrics_.minimumHeight));
}

}  // namespace vlt
