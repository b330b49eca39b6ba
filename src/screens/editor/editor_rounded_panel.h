#pragma once

#include <QColor>
#include <QWidget>

namespace vlt {

// A container with a filled, rounded background, clipping nothing: the toolbar's
// history group.
class EditorRoundedPanel final : public QWidget {
    Q_OBJECT

public:
    EditorRoundedPanel(const QColor& fill, double cornerRadius, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    double cornerRadius_;
};

}  // namespace vlt
