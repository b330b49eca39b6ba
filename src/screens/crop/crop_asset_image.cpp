#include "screens/crop/crop_asset_image.h"

#include <map>
#include <memory>

#include <QPainter>
#include <QSvgRenderer>

namespace vlt {

namespace {

QSvgRenderer* rendererFor(const QString& assetName) {
    // Kept for the life of the process and never destroyed: renderers are objects that
    // must not outlive the application object in an orderly shutdown.
    static auto* renderers = new std::map<QString, std::unique_ptr<QSvgRenderer>>;
    auto found = renderers->find(assetName);
    if (found == renderers->end()) {
        auto renderer = std::make_unique<QSvgRenderer>(QStringLiteral(":/icons/%1.svg").arg(assetName));
        found = renderers->emplace(assetName, std::move(renderer)).first;
    }
    return found->second->isValid() ? found->second.get() : nullptr;
}

}  // namespace

bool CropAssetImage::exists(const QString& assetName) { return rendererFor(assetName) != nullptr; }

void CropAssetImage::draw(QPainter& painter, const QString& assetName, const QRectF& rect) {
    QSvgRenderer* renderer = rendererFor(assetName);
    if (renderer == nullptr) return;
    renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    renderer->render(&painter, rect);
}

QPixmap CropAssetImage::pixmap(const QString& assetName, int side, bool mirrored, qreal devicePixelRatio) {
    QSvgRenderer* renderer = rendererFor(assetName);
    if (renderer == nullptr) return {};
    const int pixels = qRound(side * devicePixelRatio);
    QPixmap picture(pixels, pixels);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        if (mirrored) {
            painter.translate(pixels, 0);
            painter.scale(-1, 1);
        }
        renderer->setAspectRatioMode(Qt::KeepAspectRatio);
        renderer->render(&painter, QRectF(0, 0, pixels, pixels));
    }
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

}  // namespace vlt
