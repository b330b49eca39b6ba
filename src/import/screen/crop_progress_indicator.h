#pragma once

#include <QColor>
#include <QWidget>

class QVariantAnimation;

namespace vlt {

// A small indeterminate spinner of a given diameter, for the places of the crop screen
// that show work in progress in a frame of 13 to 16 points. Hidden from accessibility.
class CropProgressIndicator final : public QWidget {
    Q_OBJECT

public:
    explicit CropProgressIndicator(int diameter, QColor tint, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {diameter_, diameter_}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int diameter_;
    QColor tint_;
    QVariantAnimation* rotation_;
    int phase_ = 0;
};

}  // namespace vlt
