#pragma once

#include <QAbstractButton>

namespace vlt {

// One "What to save" choice: a ring (with the accent dot when chosen) and its title,
// at least 42 points high, on the selection fill when chosen. A title wider than the
// option wraps and the option grows to hold it, so a narrow window still shows every
// choice whole. The whole rectangle takes clicks.
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
    static constexpr int verticalPadding = 8;

    void setSelected(bool selected);
    bool isSelected() const { return isChecked(); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override {}

private:
    int textLeft() const;
    // The title's room in an option of that width.
    QRect titleArea(int width, int height) const;
};

}  // namespace vlt
