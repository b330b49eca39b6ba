#pragma once

#include <QAbstractButton>

namespace vlt {

// One "What to save" choice: a ring (with the accent dot when chosen) and its title,
// at least 42 points high, on the selection fill when chosen. The whole rectangle
// takes clicks.
class StillImageSelectionOption final : public QAbstractButton {
    Q_OBJECT

public:
    explicit StillImageSelectionOption(QWidget* parent = nullptr);

    static constexpr int minimumHeight = 42;
    static constexpr int horizontalPadding = 12;
    static constexpr int spacing = 10;
    static constexpr double ringSide = 18.0;
    static constexpr double ringWidth = 2.0;
    static constexpr double dotInset = 4.0;
    static constexpr double cornerRadius = 6.0;

    void setSelected(bool selected);
    bool isSelected() const { return isChecked(); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override {}
};

}  // namespace vlt
