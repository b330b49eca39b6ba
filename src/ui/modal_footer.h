#pragma once

#include <QWidget>

class QHBoxLayout;

namespace vlt {

// The 70-point footer band of a dialog: a hairline along the top and a row for the
// status and the buttons, padded 24 left and right. The band's bottom corners follow
// the surface's rounded corners.
class ModalFooter final : public QWidget {
    Q_OBJECT

public:
    explicit ModalFooter(int spacing = 10, QWidget* parent = nullptr);

    QHBoxLayout* row() const { return row_; }

    static constexpr int height = 70;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QHBoxLayout* row_;
};

}  // namespace vlt
