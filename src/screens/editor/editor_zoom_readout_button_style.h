#pragma once

#include "screens/editor/editor_button_style.h"

namespace vlt {

// The zoom percentage that doubles as the one-to-one button: no face until pressed.
class EditorZoomReadoutButtonStyle final : public EditorButtonStyle {
public:
    static const EditorZoomReadoutButtonStyle& shared();

    QPainterPath clipShape(const QRectF& rect) const override;
    void paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    QColor foreground(const EditorButtonState& state) const override;
    double opacity(const EditorButtonState& state) const override;
    std::optional<QFont> font() const override;
    QSizeF minimumSize() const override;
};

}  // namespace vlt
