#include "ui/sectioned_modal_body.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/modal_palette.h"
#include "ui/vertical_scroll_area.h"

namespace vlt {
namespace {

void fill(QWidget& widget, const QColor& colour) {
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Window, colour);
    widget.setPalette(colours);
    widget.setAutoFillBackground(true);
}

}  // namespace

SectionedModalBody::SectionedModalBody(QWidget* parent, QWidget* rail, const QString& contentName, int sectionSpacing)
    : widget_(new QWidget(parent)) {
    auto* row = new QHBoxLayout(widget_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(rail);

    auto* divider = new QWidget(widget_);
    divider->setFixedWidth(dividerWidth);
    fill(*divider, ModalPalette::divider());
    row->addWidget(divider);

    contentArea_ = new VerticalScrollArea(widget_);
    contentArea_->setObjectName(contentName);
    fill(*contentArea_->viewport(), Qt::white);
    content_ = new QWidget;
    column_ = new QVBoxLayout(content_);
    column_->setContentsMargins(32, 24, 32, 24);
    column_->setSpacing(sectionSpacing);
    row->addWidget(contentArea_, 1);
}

void SectionedModalBody::finish() {
    column_->addStretch(1);
    contentArea_->setContent(content_);
}

}  // namespace vlt
