#include "screens/editor/editor_image_view.h"

#include <QPainter>
#include <QPainterPath>

#include "screens/editor/editor_icon.h"

namespace vlt {

EditorImageView::EditorImageView(const QString& assetName, QSize size, double cornerRadius, QWidget* parent)
    : QWidget(parent), assetName_(assetName), cornerRadius_(cornerRadius) {
    setFixedSize(size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QString());
}

void EditorImageView::setAssetName(const QString& assetName) {
    if (assetName_ == assetName) return;
    assetName_ = assetName;
    update();
}

void EditorImageView::setTint(std::optional<QColor> tint) {
    tint_ = std::move(tint);
    update();
}

void EditorImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (cornerRadius_ > 0.0) {
        QPainterPath clip;
        clip.addRoundedRect(QRectF(rect()), cornerRadius_, cornerRadius_);
        painter.setClipPath(clip);
    }
    EditorIcon::paint(painter, QRectF(rect()), assetName_, tint_);
}

}  // namespace vlt
