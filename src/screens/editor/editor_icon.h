#pragma once

#include <optional>

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

namespace vlt {

// The editor's artwork: SVG files compiled in under ":/icons/<asset name>.svg". An icon
// is scaled to fit its frame with its aspect ratio kept and centred. With a tint, every
// painted pixel takes the tint colour and keeps its coverage, so one monochrome drawing
// follows the foreground colour of the control that shows it.
class EditorIcon {
public:
    static QString resourcePath(const QString& assetName);
    static bool exists(const QString& assetName);
    static QPixmap pixmap(const QString& assetName, const QSizeF& size, double devicePixelRatio,
                          std::optional<QColor> tint = std::nullopt);
    static void paint(QPainter& painter, const QRectF& frame, const QString& assetName,
                      std::optional<QColor> tint = std::nullopt);
};

}  // namespace vlt
