#include "screens/editor/editor_image_button.h"

#include "screens/editor/editor_icon.h"
#include "screens/editor/editor_plain_button_style.h"

namespace vlt {

EditorImageButton::EditorImageButton(const QString& assetName, QSize size, QWidget* parent)
    : EditorButton(EditorPlainButtonStyle::shared(), parent), assetName_(assetName) {
    setFixedSize(size);
}

QSizeF EditorImageButton::contentSize() const { return QSizeF(size()); }

void EditorImageButton::paintContent(QPainter& painter, const QRectF& contentRect, const QColor&) {
    EditorIcon::paint(painter, contentRect, assetName_);
}

}  // namespace vlt
