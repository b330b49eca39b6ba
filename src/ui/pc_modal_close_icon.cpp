#include "ui/pc_modal_close_icon.h"

#include <QPainter>

#include "ui/modal_palette.h"

namespace vlt {

PCModalCloseIcon::PCModalCloseIcon(QWidget* parent) : QWidget(parent), colour_(ModalPalette::textSecondary()) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(14, 14);
}

void PCModalCloseIcon::setColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void PCModalCloseIcon::paint(QPainter& painter, const QPointF& centre, const QColor& colour) {
    const QRectF capsule(-capsuleLength / 2.0, -capsuleThickness / 2.0, capsuleLength, capsuleThickness);
    const double cornerRadius = capsuleThickness / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (const double angle : {45.0, -45.0}) {
        painter.save();
        painter.translate(centre);
        painter.rotate(angle);
        painter.drawRoundedRect(capsule, cornerRadius, cornerRadius);
        painter.restore();
    }
    painter.restore();
}

void PCModalCloseIcon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(rect()).center(), colour_);
}

}  // namespace vlt
