#include "ui/modal_footer.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

#include "ui/modal_palette.h"
#include "ui/modal_surface.h"

namespace vlt {

ModalFooter::ModalFooter(int spacing, QWidget* parent) : QWidget(parent) {
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    row_ = new QHBoxLayout(this);
    row_->setContentsMargins(24, 1, 24, 0);
    row_->setSpacing(spacing);
}

void ModalFooter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(ModalSurface::bandPath(QRectF(rect()), ModalSurface::Band::bottom), ModalPalette::headerFill());
    painter.fillRect(QRectF(0, 0, width(), 1), ModalPalette::divider());
}

}  // namespace vlt
