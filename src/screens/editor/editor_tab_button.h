#pragma once

#include <functional>

#include "editing/session/editor_tab.h"
#include "screens/editor/editor_button.h"

namespace vlt {

// One tab of the viewport header: icon and title side by side, on a white outlined
// face while selected. Narrower than its title needs (never below its minimum width),
// it shortens the title with an ellipsis and names it in full in its help tooltip.
class EditorTabButton final : public EditorButton {
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 104;
    static constexpr int kMinimumHeight = 48;
    static constexpr double kIconSide = 20.0;

    EditorTabButton(EditorTab tab, std::function<void()> action, QWidget* parent = nullptr);

    EditorTab tab() const { return tab_; }
    bool isTitleShortened() const;

    QSize minimumSizeHint() const override;

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;
    void checkStateSet() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QFont titleFont() const;
    QString shownTitle() const;
    void updateHelp();

    EditorTab tab_;
};

}  // namespace vlt
