#pragma once

#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

namespace vlt {

// The crop screen's artwork, drawn from the SVG icons of the application's resources
// (":/icons/<asset name>.svg"). A missing asset draws nothing and gives a null pixmap.
struct CropAssetImage {
    static bool exists(const QString& assetName);
    // Keeps the asset's proportions, centred in rect.
    static void draw(QPainter& painter, const QString& assetName, const QRectF& rect);
    // A square picture of side points, optionally mirrored left to right.
    static QPixmap pixmap(const QString& assetName, int side, bool mirrored = false, qreal devicePixelRatio = 1.0);
};

}  // namespace vlt
