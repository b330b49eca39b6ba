#include "screens/editor/editor_suggestions_disclosure_button_style.h"

#include <QPainter>

#include "screens/editor/editor_palette.h"

namespace vlt {

const EditorSuggestionsDisclosureButtonStyle& EditorSuggestionsDisclosureButtonStyle::shared() {
    static const EditorSuggestionsDisclosureButtonStyle style;
    return style;
}

QPainterPath EditorSuggestionsDisclosureButtonStyle::clipShape(const QRectF& rect) const {
    constexpr double kCornerRadius = 6.0;
    return roundedRect(rect, kCornerRadius);
}

void EditorSuggestionsDisclosureButtonStyle::paintFace(QPainter& painter, const QRectF& rect,
                                                       const EditorButtonState& state) const {
    const QColor& face = state.isPressed   ? EditorPalette::disclosurePressedFill()
                         : state.isHovered ? EditorPalette::disclosureHoverFill()
                                           : EditorPalette::disclosureFill();
    painter.fillPath(clipShape(rect), face);
}

void EditorSuggestionsDisclosureButtonStyle::paintOutline(QPainter& painter, const QRectF& rect,
                                                          const EditorButtonState& state) const {
    const bool hoverOutline = state.isHovered && !state.isPressed;
    strokeOutline(painter, clipShape(rect),
                  hoverOutline ? EditorPalette::disclosureHoverBorder() : EditorPalette::disclosureBorder());
}

}  // namespace vlt
