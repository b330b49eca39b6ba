#pragma once

#include <QColor>
#include <QWidget>

namespace vlt {

// A filled rectangle used as a separator inside a layout: the history group's
// separator, the tab separators, the rail's divider and the inspector's dividers.
class EditorRule final : public QWidget {
    Q_OBJECT

public:
    // A fixed size; a side of 0 stretches with the layout.
    EditorRule(const QColor& color, QSize size, QWidget* parent = nullptr);

    const QColor& color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

}  // namespace vlt
