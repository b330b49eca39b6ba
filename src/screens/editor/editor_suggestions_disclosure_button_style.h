#pragma once

#include "screens/editor/editor_button_style.h"

namespace vlt {

// The Tool Suggestions header; its label keeps its own font, colour and padding.
class EditorSuggestionsDisclosureButtonStyle final : public EditorButtonStyle {
public:
    static const EditorSuggestionsDisclosureButtonStyle& shared();

    QPainterPath clipShape(const QRectF& rect) const override;
    void paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    void paintOutline(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
};

}  // namespace vlt
