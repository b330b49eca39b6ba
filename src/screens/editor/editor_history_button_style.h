#pragma once

#include "screens/editor/editor_button_style.h"

namespace vlt {

// The body shared by the toolbar's Undo, Redo and "Reset all": ink, or a grey ink when
// disabled at full opacity, and a face only while pressed. The label brings its size.
class EditorHistoryButtonStyle : public EditorButtonStyle {
public:
    QPainterPath clipShape(const QRectF& rect) const override;
    void paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    QColor foreground(const EditorButtonState& state) const override;

protected:
    virtual const QColor& pressedFill() const = 0;
};

// Undo and Redo.
class EditorHistoryIconButtonStyle final : public EditorHistoryButtonStyle {
public:
    static const EditorHistoryIconButtonStyle& shared();

protected:
    const QColor& pressedFill() const override;
};

// "Reset all".
class EditorHistoryResetButtonStyle final : public EditorHistoryButtonStyle {
public:
    static const EditorHistoryResetButtonStyle& shared();

protected:
    const QColor& pressedFill() const override;
};

}  // namespace vlt
