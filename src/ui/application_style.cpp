#include "ui/application_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include "ui/keyboard_focus.h"
#include "ui/modal_palette.h"

namespace vlt {
namespace {

// Fusion's button frame is slightly rounded; the ring follows it.
constexpr double kButtonCornerRadius = 3.0;

}  // namespace

ApplicationStyle::ApplicationStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ApplicationStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && showsKeyboardFocus(*option)) {
        paintFocusRing(*painter, QRectF(option->rect), kButtonCornerRadius, ModalPalette::accent());
    }
}

}  // namespace vlt
