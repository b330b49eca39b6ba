#include "ui/settings_field_border.h"

#include <QEvent>
#include <QPainter>

#include "ui/modal_palette.h"

namespace vlt {

SettingsFieldBorder* SettingsFieldBorder::attach(QWidget& field) { return new SettingsFieldBorder(field); }

SettingsFieldBorder::SettingsFieldBorder(QWidget& field) : QWidget(&field), field_(&field) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(field.rect());
    field.installEventFilter(this);
    raise();
}

bool SettingsFieldBorder::showsFocus() const { return field_ && field_->hasFocus(); }

bool SettingsFieldBorder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_) {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(field_->rect());
            raise();
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            update();
            break;
        case QEvent::ChildAdded:
            // Scroll areas add their viewport after us; the outline stays on top.
            raise();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SettingsFieldBorder::paint(QPainter& painter, const QRectF& rect, bool focused) {
    const double width = focused ? focusedWidth : unfocusedWidth;
    const double inset = width / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(focused ? ModalPalette::accent() : ModalPalette::fieldBorder(), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), cornerRadius - inset, cornerRadius - inset);
    painter.restore();
}

void SettingsFieldBorder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(rect()), showsFocus());
}

}  // namespace vlt
