#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace vlt {

// The cross in a dialog header's close button: two 17 × 1.75 capsules turned ±45°
// about their common centre. Decorative only: the enclosing button carries the label.
class PCModalCloseIcon final : public QWidget {
    Q_OBJECT

public:
    explicit PCModalCloseIcon(QWidget* parent = nullptr);

    void setColour(const QColor& colour);
    static void paint(QPainter& painter, const QPointF& centre, const QColor& colour);

    static constexpr double capsuleLength = 17.0;
    static constexpr double capsuleThickness = 1.75;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

}  // namespace vlt
