#include "ui/settings_notice_frame.h"

#include <QPainter>

#include "ui/modal_palette.h"

namespace vlt {

SettingsNoticeFrame::SettingsNoticeFrame(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void SettingsNoticeFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double inset = 0.5;
    painter.setPen(QPen(ModalPalette::noticeBorder(), 1.0));
    painter.setBrush(ModalPalette::noticeFill());
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), cornerRadius - inset,
                            cornerRadius - inset);
}

}  // namespace vlt
