#include "ui/modal_surface.h"

#include <QChildEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/modal_palette.h"

namespace vlt {
namespace {

// Drawn above the content so that bands and scroll areas never cover the outline.
class SurfaceOutline final : public QWidget {
public:
    explicit SurfaceOutline(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ModalPalette::surfaceBorder(), 1.0));
        painter.setBrush(Qt::NoBrush);
        const double inset = 0.5;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset),
                                ModalSurface::cornerRadius - inset, ModalSurface::cornerRadius - inset);
    }
};

}  // namespace

ModalSurface::ModalSurface(QWidget* parent) : QWidget(parent) {
    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(0);
    outline_ = new SurfaceOutline(this);
}

QPainterPath ModalSurface::shape(const QRectF& rect) {
    QPainterPath path;
    path.addRoundedRect(rect, cornerRadius, cornerRadius);
    return path;
}

QPainterPath ModalSurface::bandPath(const QRectF& band, Band which) {
    const double r = std::min({cornerRadius, band.width() / 2.0, band.height()});
    QPainterPath path;
    if (which == Band::top) {
        path.moveTo(band.left(), band.bottom());
        path.lineTo(band.left(), band.top() + r);
        path.arcTo(QRectF(band.left(), band.top(), 2 * r, 2 * r), 180.0, -90.0);
        path.lineTo(band.right() - r, band.top());
        path.arcTo(QRectF(band.right() - 2 * r, band.top(), 2 * r, 2 * r), 90.0, -90.0);
        path.lineTo(band.right(), band.bottom());
    } else {
        path.moveTo(band.left(), band.top());
        path.lineTo(band.right(), band.top());
        path.lineTo(band.right(), band.bottom() - r);
        path.arcTo(QRectF(band.right() - 2 * r, band.bottom() - 2 * r, 2 * r, 2 * r), 0.0, -90.0);
        path.lineTo(band.left() + r, band.bottom());
        path.arcTo(QRectF(band.left(), band.bottom() - 2 * r, 2 * r, 2 * r), 270.0, -90.0);
    }
    path.closeSubpath();
    return path;
}

bool ModalSurface::event(QEvent* event) {
    if (event->type() == QEvent::ChildAdded && outline_ != nullptr) {
        auto* childEvent = static_cast<QChildEvent*>(event);
        if (childEvent->child() != outline_ && childEvent->child()->isWidgetType()) outline_->raise();
    }
    return QWidget::event(event);
}

void ModalSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shape(QRectF(rect())), Qt::white);
}

void ModalSurface::resizeEvent(QResizeEvent* event) {
    outline_->setGeometry(rect());
    outline_->raise();
    QWidget::resizeEvent(event);
}

}  // namespace vlt
