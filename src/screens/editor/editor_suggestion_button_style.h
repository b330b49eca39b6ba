#pragma once

#include "screens/editor/editor_button_style.h"

namespace vlt {

// The body-area chips of the Tool Suggestions. Pressing dims only the face; there is no
// disabled look.
class EditorSuggestionButtonStyle final : public EditorButtonStyle {
public:
    static const EditorSuggestionButtonStyle& shared();

    QPainterPath clipShape(const QRectF& rect) const override;
    void paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    void paintOutline(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    QColor foreground(const EditorButtonState& state) const override;
    std::optional<QFont> font() const override;
    QMarginsF padding() const override;
    QSizeF minimumSize() const override;
};

}  // namespace vlt
