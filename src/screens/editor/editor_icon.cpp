#include "screens/editor/editor_icon.h"

#include <cmath>

#include <QFile>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace vlt {
namespace {

QRectF fittedRect(const QSizeF& content, const QSizeF& frame) {
    if (content.isEmpty()) return QRectF(QPointF(0, 0), frame);
    const QSizeF fitted = content.scaled(frame, Qt::KeepAspectRatio);
    return QRectF(QPointF((frame.width() - fitted.width()) / 2.0, (frame.height() - fitted.height()) / 2.0), fitted);
}

QString cacheKey(const QString& assetName, const QSize& pixels, const std::optional<QColor>& tint) {
    return QStringLiteral("vlt-editor-icon:%1:%2x%3:%4")
        .arg(assetName)
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(tint ? tint->name(QColor::HexArgb) : QStringLiteral("-"));
}

}  // namespace

QString EditorIcon::resourcePath(const QString& assetName) { return QStringLiteral(":/icons/%1.svg").arg(assetName); }

bool EditorIcon::exists(const QString& assetName) { return QFile::exists(resourcePath(assetName)); }

QPixmap EditorIcon::pixmap(const QString& assetName, const QSizeF& size, double devicePixelRatio,
                           std::optional<QColor> tint) {
    const QSize pixels(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
    if (pixels.isEmpty()) return {};
    const QString key = cacheKey(assetName, pixels, tint);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) return cached;

    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath(assetName));
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        renderer.render(&painter, fittedRect(renderer.viewBoxF().size(), QSizeF(pixels)));
        if (tint) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), *tint);
        }
    }
    QPixmap result = QPixmap::fromImage(std::move(image));
    result.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, result);
    return result;
}

void EditorIcon::paint(QPainter& painter, const QRectF& frame, const QString& assetName, std::optional<QColor> tint) {
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QPixmap image = pixmap(assetName, frame.size(), ratio, tint);
    if (image.isNull()) return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawPixmap(frame, image, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.restore();
}

}  // namespace vlt
