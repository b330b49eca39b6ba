#pragma once

#include <QPushButton>

namespace vlt {

// A text button in the crop command style.
class CropCommandButton final : public QPushButton {
    Q_OBJECT

public:
    explicit CropCommandButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlt
