#pragma once

#include "screens/editor/editor_button_style.h"

namespace vlt {

// The white outlined buttons of the editor: a rounded face in the control border that
// lights while pressed (and, for a mode button, while selected), at 45 % when disabled.
class EditorOutlinedButtonStyle : public EditorButtonStyle {
public:
    QPainterPath clipShape(const QRectF& rect) const override;
    void paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    void paintOutline(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const override;
    QColor foreground(const EditorButtonState& state) const override;
    double opacity(const EditorButtonState& state) const override;
    std::optional<QFont> font() const override;
    QMarginsF padding() const override;
    QSizeF minimumSize() const override;

protected:
    struct Look {
        double cornerRadius = 0.0;
        QColor litFill;
        bool isLitWhenSelected = false;
        QColor foreground;
        double fontSize = 0.0;
        double horizontalPadding = 0.0;
        QSizeF minimumSize;
    };

    explicit EditorOutlinedButtonStyle(Look look);

private:
    Look look_;
};

// Text commands of the toolbar ("Open another image").
class EditorCommandButtonStyle final : public EditorOutlinedButtonStyle {
public:
    static const EditorCommandButtonStyle& shared();

private:
    EditorCommandButtonStyle();
};

// "Fit", "Move" and "Label" of the viewport header; the selected face marks a mode that is on.
class EditorViewportButtonStyle final : public EditorOutlinedButtonStyle {
public:
    static const EditorViewportButtonStyle& shared();

private:
    EditorViewportButtonStyle();
};

}  // namespace vlt
