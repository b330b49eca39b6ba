#pragma once

#include <functional>

#include "editing/engine/editor_tool.h"
#include "screens/editor/editor_button.h"

namespace vlt {

// One tool of the rail: its icon over its title (the title only while the rail is
// expanded), on a light face while the tool is the active one.
class EditorToolButton final : public EditorButton {
    Q_OBJECT

public:
    static constexpr int kMinimumHeightWithLabel = 68;
    static constexpr int kMinimumHeightWithoutLabel = 42;

    EditorToolButton(EditorTool tool, std::function<void()> action, QWidget* parent = nullptr);

    EditorTool tool() const { return tool_; }
    bool showsLabel() const { return showsLabel_; }
    void setShowsLabel(bool shows);
    // The icon's square side: the five shapes draw smaller than the rest.
    double iconSide() const;
    // The title's font after shrinking to fit two lines.
    QFont titleFont() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;

private:
    QSizeF titleSize(const QFont& font, double width) const;
    QFont titleFont(double width) const;
    double contentHeight(double width) const;

    EditorTool tool_;
    bool showsLabel_ = true;
};

}  // namespace vlt
