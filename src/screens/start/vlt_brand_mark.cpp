#include "screens/start/vlt_brand_mark.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace vlt {

namespace {

QSvgRenderer& logoRenderer() {
    static QSvgRenderer renderer(QStringLiteral(":/icons/vlt-rounded-logo.svg"));
    return renderer;
}

}  // namespace

VLTBrandMark::VLTBrandMark(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void VLTBrandMark::paint(QPainter& painter, const QRectF& frame) {
    QSvgRenderer& renderer = logoRenderer();
    const QSizeF natural = renderer.defaultSize();
    if (!renderer.isValid() || natural.isEmpty() || frame.isEmpty()) return;
    const double scale = std::max(frame.width() / natural.width(), frame.height() / natural.height());
    const QSizeF drawn = natural * scale;
    const QRectF target(frame.center().x() - drawn.width() / 2.0, frame.center().y() - drawn.height() / 2.0,
                        drawn.width(), drawn.height());
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setClipRect(frame, Qt::IntersectClip);
    renderer.render(&painter, target);
    painter.restore();
}

void VLTBrandMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(rect()));
}

}  // namespace vlt
