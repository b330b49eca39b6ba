#pragma once

#include <QColor>
#include <QWidget>

class QVariantAnimation;

namespace vlt {

// An indeterminate spinner: twelve spokes whose brightness runs round once a second.
// It takes no input and no focus.
class ActivityIndicator final : public QWidget {
    Q_OBJECT

public:
    // Diameters of the platform's large control size and of the small one.
    static constexpr int large = 32;
    static constexpr int small = 16;

    explicit ActivityIndicator(int diameter, const QColor& tint, QWidget* parent = nullptr);

    QSize sizeHint() const override;

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
