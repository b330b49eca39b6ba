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

}  // namespace

DialogButtonStyle::DialogButtonStyle(const Metrics& metrics) : metrics_(metrics) {}

void DialogButtonStyle::install(QPushButton& button, DialogButtonStyle* style) {
    style->setParent(&button);
    button.setStyle(style);
    button.setFont(textStyleFont(TextStyle::body, style->metrics_.labelWeight));
    button.setAutoDefault(false);
    // Return presses a button only after Tab brought the keyboard to it, with its ring
    // showing; a click leaves the keyboard where it was, so Return then runs the
    // dialog's default action instead of the clicked button once more.
    button.setFocusPolicy(Qt::TabFocus);
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
    if (showsKeyboardFocus(*option)) {
        paintFocusRing(*painter, QRectF(option->rect), metrics_.cornerRadius, ModalPalette::accent());
    }
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
