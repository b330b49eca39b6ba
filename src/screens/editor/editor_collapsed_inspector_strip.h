#pragma once

#include "screens/editor/editor_button.h"

namespace vlt {

// The 38-point strip that stands in for the hidden inspector: "INSPECTOR" reading
// upwards and a left chevron near the bottom. Pressing it anywhere brings the
// inspector back.
class EditorCollapsedInspectorStrip final : public EditorButton {
    Q_OBJECT

public:
    static constexpr int kWidth = 38;

    explicit EditorCollapsedInspectorStrip(QWidget* parent = nullptr);

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlt
