#include "ui/modal_close_button.h"

#include <QPainter>

#include "ui/keyboard_focus.h"
#include "ui/modal_palette.h"
#include "ui/pc_modal_close_icon.h"
#include "foundation/localized_string.h"

namespace vlt {

ModalCloseButton::ModalCloseButton(const QString& accessibleLabel, QWidget* parent)
    : QAbstractButton(parent), foreground_(ModalPalette::textSecondary()) {
    setFixedSize(34, 34);
    setCursor(Qt::ArrowCursor);
    // Like the dialogs' other buttons, reached by Tab only: a click that does not close
    // (a folder picker still open) leaves Return to the dialog's default action.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(accessibleLabel);
    static const QString closeHelp = localizedString("Close");
    setToolTip(closeHelp);
}

void ModalCloseButton::setForegroundColour(const QColor& colour) {
    foreground_ = colour;
    update();
}

QSize ModalCloseButton::sizeHint() const { return {34, 34}; }

void ModalCloseButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ModalCloseButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void ModalCloseButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square = QRectF(rect()).adjusted(1.0, 1.0, -1.0, -1.0);
    if (isDown() || hovered_) {
        QColor wash = foreground_;
        wash.setAlphaF(isDown() ? 0.14f : 0.07f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(wash);
        painter.drawRoundedRect(square, 7.0, 7.0);
    }
    // Keyboard users land here first when a dialog opens, so the focus must be seen.
    if (showsKeyboardFocus(*this)) paintFocusRing(painter, square, 7.0, ModalPalette::accent());
    QColor glyph = foreground_;
    if (!isEnabled()) glyph.setAlphaF(0.4f);
    PCModalCloseIcon::paint(painter, QRectF(rect()).center(), glyph);
}

}  // namespace vlt
