#pragma once

#include "screens/editor/editor_button_style.h"

namespace vlt {

// The rail's mode and tool buttons and the header's tabs: no face until selected, then a
// rounded face of their own (outlined for a tab). Dimmed like the plain style.
class EditorToggleButtonStyle final : public EditorButtonStyle {
public:
    // Reshape and Annotate: an ink face.
    static const EditorToggleButtonStyle& mode();
    // The tools of the rail: a light face.
    static const EditorToggleButtonStyle& tool();
    // The tabs: a white face with the tab border.
    static const EditorToggleButtonStyle& tab();

    QPainterPath clipShape(const QRectF& rect) const override;
    void paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    void paintOutline(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    double opacity(const EditorButtonState& state) const override;

private:
    EditorToggleButtonStyle(QColor selectedFill, QColor selectedOutline);

    QColor selectedFill_;
    QColor selectedOutline_;
};

}  // namespace vlt
