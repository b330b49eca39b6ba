#pragma once

#include <functional>
#include <optional>

#include <QAbstractButton>
#include <QColor>

#include "screens/editor/editor_button_state.h"

namespace vlt {

class EditorButtonStyle;

// The base of every editor button: it follows its own pressed, hovered, enabled (its
// own and its parents') and selected state, and lets its style paint the face and the
// outline around the label that the subclass paints.
//
// Toggle-like buttons (the selected tool, mode or tab) are marked selected; that is
// reported as checked, so assistive technology hears it, but a click never flips it:
// the screen sets it from the model. Buttons take focus from the keyboard only, so a
// click leaves the keyboard with the canvas.
class EditorButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit EditorButton(const EditorButtonStyle& style, QWidget* parent = nullptr);

    const EditorButtonStyle& buttonStyle() const { return *style_; }

    void setSelected(bool selected);
    bool isSelected() const { return isChecked(); }
    bool isHovered() const { return hovered_; }
    EditorButtonState state() const;

    // A colour of the button's own; it wins over the style's.
    void setForegroundOverride(std::optional<QColor> color);
    QColor foregroundColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void hoveredChanged(bool hovered);

protected:
    // Runs the action on every click; an empty action does nothing.
    void runOnClick(std::function<void()> action);

    // The label's natural size, without the style's padding.
    virtual QSizeF contentSize() const = 0;
    virtual void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) = 0;

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void nextCheckState() override;

private:
    void setHovered(bool hovered);
    void paintLayers(QPainter& painter, const EditorButtonState& current);

    const EditorButtonStyle* style_;
    std::optional<QColor> foregroundOverride_;
    bool hovered_ = false;
};

}  // namespace vlt
