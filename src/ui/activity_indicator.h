#pragma once

#include <QColor>
#include <QWidget>

class QVariantAnimation;

namespace vlt {

// An indeterminate spinner: twelve spokes whose brightness runs round once a second.
class ActivityIndicator final : public QWidget {
    Q_OBJECT

public:
    enum class Size { regular = 20, large = 32 };

    explicit ActivityIndicator(Size size = Size::large, QWidget* parent = nullptr);

    void setTint(const QColor& tint);
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
