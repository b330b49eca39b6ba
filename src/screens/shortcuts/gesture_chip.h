#pragma once

#include <QLabel>

namespace vlt {

// The key chip at the right of a Shortcuts row: between 104 and 340 points wide, so a
// long gesture wraps onto further centred lines and the row grows taller.
class GestureChip final : public QLabel {
    Q_OBJECT

public:
    explicit GestureChip(const QString& gesture, QWidget* parent = nullptr);

    static constexpr int minimumChipWidth = 104;
    static constexpr int maximumChipWidth = 340;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlt
