#pragma once

#include <functional>

#include "editing/engine/editor_mode.h"
#include "screens/editor/editor_button.h"

namespace vlt {

// Reshape or Annotate at the top of the rail: the mode's picture over its title (the
// title only while the rail is expanded), white on an ink face while selected.
class EditorModeButton final : public EditorButton {
    Q_OBJECT

public:
    static constexpr int kMinimumHeightExpanded = 70;
    static constexpr int kMinimumHeightCollapsed = 43;

    EditorModeButton(EditorMode mode, std::function<void()> action, QWidget* parent = nullptr);

    EditorMode mode() const { return mode_; }
    bool isExpanded() const { return expanded_; }
    void setExpanded(bool expanded);
    // The picture shown now: the selected variant while the mode is on.
    QString iconName() const;
    double iconSide() const;

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;
    void checkStateSet() override;

private:
    QFont titleFont() const;

    EditorMode mode_;
    bool expanded_ = true;
};

}  // namespace vlt
