#pragma once

#include <QAbstractButton>
#include <QColor>

namespace vlt {

// One end of the viewport header while its controls run past that end: the band's own
// colour over that end, as far in as the controls it hides reach, and at the very end a
// chevron that scrolls the band that way. It takes no keyboard focus: a control reached
// by Tab comes into view by itself.
class EditorHeaderScrollButton final : public QAbstractButton {
    Q_OBJECT

public:
    enum class Direction { back, forward };

    // The chevron's own cell at the end of the band, and so the least width.
    static constexpr int kWidth = 28;

    EditorHeaderScrollButton(Direction direction, QWidget* parent = nullptr);

    Direction direction() const { return direction_; }
    // The opaque colour of the band beneath.
    void setBandColour(const QColor& colour);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Direction direction_;
    QColor band_;
};

}  // namespace vlt
