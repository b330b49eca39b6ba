#include "screens/editor/editor_zoom_readout_button_style.h"

#include <QPainter>

#include "screens/editor/editor_font.h"
#include "screens/editor/editor_palette.h"

namespace vlt {

const EditorZoomReadoutButtonStyle& EditorZoomReadoutButtonStyle::shared() {
    static const EditorZoomReadoutButtonStyle style;
    return style;
}

QPainterPath EditorZoomReadoutButtonStyle::clipShape(const QRectF& rect) const {
    constexpr double kCornerRadius = 4.0;
    return roundedRect(rect, kCornerRadius);
}

void EditorZoomReadoutButtonStyle::paintFace(QPainter& painter, const QRectF& rect,
                                             const EditorButtonState& state) const {
    if (state.isPressed) painter.fillPath(clipShape(rect), EditorPalette::selectedFill());
}

QColor EditorZoomReadoutButtonStyle::foreground(const EditorButtonState&) const { return EditorPalette::primaryText(); }

double EditorZoomReadoutButtonStyle::opacity(const EditorButtonState& state) const {
    return state.isEnabled ? 1.0 : 0.45;
}

std::optional<QFont> EditorZoomReadoutButtonStyle::font() const { return editorSystemFont(12); }

QSizeF EditorZoomReadoutButtonStyle::minimumSize() const { return {46, 31}; }

}  // namespace vlt
