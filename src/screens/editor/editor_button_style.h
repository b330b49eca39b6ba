#pragma once

#include <optional>

#include <QColor>
#include <QFont>
#include <QMarginsF>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

#include "screens/editor/editor_button_state.h"

class QPainter;

namespace vlt {

// How one kind of editor button looks in each state: the face behind the label, the
// outline over it, the label's colour and font, the padding around it, and the
// opacity of the whole. The label itself belongs to the button.
class EditorButtonStyle {
public:
    virtual ~EditorButtonStyle() = default;

    // The shape the face and the label are clipped to.
    virtual QPainterPath clipShape(const QRectF& rect) const;
    virtual void paintFace(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const;
    virtual void paintOutline(QPainter& painter, const QRectF& rect, const EditorButtonState& state) const;
    // Invalid when the button brings its own colour (the plain style).
    virtual QColor foreground(const EditorButtonState& state) const;
    virtual double opacity(const EditorButtonState& state) const;
    // Unset when the button keeps its own font.
    virtual std::optional<QFont> font() const;
    virtual QMarginsF padding() const;
    virtual QSizeF minimumSize() const;

protected:
    static QPainterPath roundedRect(const QRectF& rect, double radius);
    static QPainterPath capsule(const QRectF& rect);
    // A 1-point stroke that lies inside the shape's edge.
    static void strokeOutline(QPainter& painter, const QPainterPath& shape, const QColor& color);
};

}  // namespace vlt
