#pragma once

#include <QWidget>

class QLabel;

namespace vlt {

class ModalCloseButton;

// The 86-point header band of a dialog: title over subtitle at the left, the close
// button at the right, a hairline along the bottom. The band's top corners follow the
// surface's rounded corners.
class ModalHeader final : public QWidget {
    Q_OBJECT

public:
    ModalHeader(const QString& title, const QString& subtitle, const QString& closeAccessibleLabel,
                QWidget* parent = nullptr);

    ModalCloseButton* closeButton() const { return closeButton_; }
    QLabel* titleLabel() const { return title_; }
    QLabel* subtitleLabel() const { return subtitle_; }

    static constexpr int height = 86;

signals:
    void closeClicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* title_;
    QLabel* subtitle_;
    ModalCloseButton* closeButton_;
};

}  // namespace vlt
