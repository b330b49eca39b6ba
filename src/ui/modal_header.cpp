#include "ui/modal_header.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "ui/modal_close_button.h"
#include "ui/modal_palette.h"
#include "ui/modal_surface.h"
#include "ui/text_style.h"

namespace vlt {
namespace {

QLabel* makeLabel(const QString& text, TextStyle style, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(textStyleFont(style));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

ModalHeader::ModalHeader(const QString& title, const QString& subtitle, const QString& closeAccessibleLabel,
                         QWidget* parent)
    : QWidget(parent) {
    // At least the band's height; a subtitle longer than the dialog is wide (a longer
    // language) wraps, and the band grows with it.
    setMinimumHeight(height);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);

    title_ = makeLabel(title, TextStyle::title, ModalPalette::textPrimary(), this);
    subtitle_ = makeLabel(subtitle, TextStyle::body, ModalPalette::textMuted(), this);
    subtitle_->setWordWrap(true);
    closeButton_ = new ModalCloseButton(closeAccessibleLabel, this);
    connect(closeButton_, &QAbstractButton::clicked, this, &ModalHeader::closeClicked);

    auto* titleBlock = new QVBoxLayout;
    titleBlock->setSpacing(3);
    titleBlock->setContentsMargins(0, 14, 0, 14);
    titleBlock->addStretch(1);
    titleBlock->addWidget(title_);
    titleBlock->addWidget(subtitle_);
    titleBlock->addStretch(1);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(28, 0, 18, 1);
    row->setSpacing(16);
    row->addLayout(titleBlock, 1);
    row->addWidget(closeButton_, 0, Qt::AlignVCenter);
}

void ModalHeader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(ModalSurface::bandPath(QRectF(rect()), ModalSurface::Band::top), ModalPalette::headerFill());
    painter.fillRect(QRectF(0, rect().height() - 1, width(), 1), ModalPalette::divider());
}

}  // namespace vlt
