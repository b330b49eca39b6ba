#pragma once

#include <functional>

#include "editing/session/editor_tab.h"
#include "screens/editor/editor_button.h"

namespace vlt {

// One tab of the viewport header: icon and title side by side, on a white outlined
// face while selected. It is always as wide as its whole title needs: a band too
// narrow for the tabs scrolls rather than shortening them.
class EditorTabButton final : public EditorButton {
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 104;
    static constexpr int kMinimumHeight = 48;
    static constexpr double kIconSide = 20.0;

    EditorTabButton(EditorTab tab, std::function<void()> action, QWidget* parent = nullptr);

    EditorTab tab() const { return tab_; }

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;
    void checkStateSet() override;

private:
    QFont titleFont() const;

    EditorTab tab_;
};

}  // namespace vlt
