#pragma once

#include <QProxyStyle>

class QPushButton;

namespace vlt {

// The look of a dialog's other actions: medium-weight label in the primary text
// colour on white (0.65 opacity while pressed) with a 1-point outline, 18 points of
// padding left and right, at least 84 × 36, corner radius 6. It has no disabled look.
class SettingsSecondaryButtonStyle final : public QProxyStyle {
    Q_OBJECT

public:
    static void apply(QPushButton& button);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                           const QWidget* widget) const override;

    static constexpr int minimumWidth = 84;
    static constexpr int minimumHeight = 36;
    static constexpr int horizontalPadding = 18;
    static constexpr double cornerRadius = 6.0;

private:
    SettingsSecondaryButtonStyle();
};

}  // namespace vlt
