#pragma once

#include <QAbstractButton>
#include <QColor>

namespace vlt {

// The close control of a dialog header: the close icon in a 14-point frame, centred
// in a 34-point square that is clickable all over.
class ModalCloseButton final : public QAbstractButton {
    Q_OBJECT

public:
    // accessibleLabel names the dialog, for example "Close Shortcuts".
    explicit ModalCloseButton(const QString& accessibleLabel, QWidget* parent = nullptr);

    void setForegroundColour(const QColor& colour);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QColor foreground_;
    bool hovered_ = false;
};

}  // namespace vlt
