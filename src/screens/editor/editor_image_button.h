#pragma once

#include "screens/editor/editor_button.h"

namespace vlt {

// A plain button whose whole face is a picture of the editor's artwork: the toolbar's
// Settings button.
class EditorImageButton final : public EditorButton {
    Q_OBJECT

public:
    EditorImageButton(const QString& assetName, QSize size, QWidget* parent = nullptr);

    const QString& assetName() const { return assetName_; }

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;

private:
    QString assetName_;
};

}  // namespace vlt
