#include "ui/settings_section_card.h"

#include <QPainter>
#include <QVBoxLayout>

#include "ui/modal_palette.h"

namespace vlt {

SettingsSectionCard::SettingsSectionCard(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(padding, spaceAbove + padding, padding, padding);
    column_->setSpacing(0);
}

QRect SettingsSectionCard::cardRect() const { return rect().adjusted(0, spaceAbove, 0, 0); }

void SettingsSectionCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double inset = 0.5;
    const QRectF outline = QRectF(cardRect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(ModalPalette::cardBorder(), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(outline, cornerRadius - inset, cornerRadius - inset);
}

}  // namespace vlt
