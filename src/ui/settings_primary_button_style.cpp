#include "ui/settings_primary_button_style.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

#include "ui/dialog_button_painting.h"
#include "ui/modal_palette.h"
#include "ui/text_style.h"

namespace vlt {

SettingsPrimaryButtonStyle::SettingsPrimaryButtonStyle() = default;

void SettingsPrimaryButtonStyle::apply(QPushButton& button) {
    auto* style = new SettingsPrimaryButtonStyle;
    style->setParent(&button);
    button.setStyle(style);
    button.setFont(textStyleFont(TextStyle::body, QFont::DemiBold));
    button.setAutoDefault(false);
    button.setCursor(Qt::ArrowCursor);
}

void SettingsPrimaryButtonStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                             const QWidget* widget) const {
    if (element != CE_PushButton) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const bool enabled = option->state & State_Enabled;
    const bool pressed = option->state & State_Sunken;
    QColor face = enabled ? ModalPalette::accent() : ModalPalette::textMuted();
    face.setAlphaF(enabled ? (pressed ? 0.82f : 1.0f) : 0.5f);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(face);
    painter->drawRoundedRect(QRectF(option->rect), cornerRadius, cornerRadius);
    painter->restore();
    DialogButtonPainting::drawLabel(*painter, option, widget, Qt::white);
    DialogButtonPainting::drawFocusRing(*painter, option, cornerRadius);
}

QSize SettingsPrimaryButtonStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                                   const QSize& contentsSize, const QWidget* widget) const {
    if (type != CT_PushButton) return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
    return DialogButtonPainting::size(option, widget, minimumWidth, minimumHeight, horizontalPadding);
}

}  // namespace vlt
