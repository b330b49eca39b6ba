#include "ui/settings_secondary_button_style.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

#include "ui/dialog_button_painting.h"
#include "ui/modal_palette.h"
#include "ui/text_style.h"

namespace vlt {

SettingsSecondaryButtonStyle::SettingsSecondaryButtonStyle() = default;

void SettingsSecondaryButtonStyle::apply(QPushButton& button) {
    auto* style = new SettingsSecondaryButtonStyle;
    style->setParent(&button);
    button.setStyle(style);
    button.setFont(textStyleFont(TextStyle::body, QFont::Medium));
    button.setAutoDefault(false);
    button.setCursor(Qt::ArrowCursor);
}

void SettingsSecondaryButtonStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                               const QWidget* widget) const {
    if (element != CE_PushButton) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const bool pressed = option->state & State_Sunken;
    QColor face = Qt::white;
    face.setAlphaF(pressed ? 0.65f : 1.0f);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter->setPen(Qt::NoPen);
    painter->setBrush(face);
    painter->drawRoundedRect(QRectF(option->rect), cornerRadius, cornerRadius);
    painter->setPen(QPen(ModalPalette::cardBorder(), 1.0));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(outline, cornerRadius - 0.5, cornerRadius - 0.5);
    painter->restore();
    DialogButtonPainting::drawLabel(*painter, option, widget, ModalPalette::textPrimary());
    DialogButtonPainting::drawFocusRing(*painter, option, cornerRadius);
}

QSize SettingsSecondaryButtonStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                                     const QSize& contentsSize, const QWidget* widget) const {
    if (type != CT_PushButton) return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
    return DialogButtonPainting::size(option, widget, minimumWidth, minimumHeight, horizontalPadding);
}

}  // namespace vlt
