#pragma once

#include <QPointer>

#include "screens/editor/editor_button.h"

#include <QMenu>

namespace vlt {

// The face of the toolbar's Output menu: a 150 by 42 ink button with the output icon,
// "Output", a thin rule and a downward chevron. Pressing it opens its menu below it.
class EditorOutputButtonSurface final : public EditorButton {
    Q_OBJECT

public:
    static constexpr int kWidth = 150;
    static constexpr int kHeight = 42;
    static constexpr int kChevronCellWidth = 34;

    explicit EditorOutputButtonSurface(QWidget* parent = nullptr);

    void setMenu(QMenu* menu) { menu_ = menu; }
    QMenu* menu() const { return menu_; }

protected:
    QSizeF contentSize() const override;
    void paintContent(QPainter& painter, const QRectF& contentRect, const QColor& foreground) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void openMenu();

    QPointer<QMenu> menu_;
};

}  // namespace vlt
