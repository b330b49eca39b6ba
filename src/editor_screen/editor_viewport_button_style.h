#pragma once

#include "editor_screen/editor_button_style.h"

namespace vlt {

// "Fit", "Move" and "Label" of the viewport header; the selected face marks a mode that is on.
class EditorViewportButtonStyle final : public EditorButtonStyle {
public:
    static const EditorViewportButtonStyle& shared();

    QPainterPath clipShape(const QRectF& rect) const override;
    void paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    void paintOutline(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    QColor foreground(const EditorButtonState& state) const override;
    double opacity(const EditorButtonState& state) const override;
    std::optional<QFont> font() const override;
    QMarginsF padding() const override;
    QSizeF minimumSize() const override;
};

}  // namespace vlt
