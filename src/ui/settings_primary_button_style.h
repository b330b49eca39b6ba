#pragma once

#include <QProxyStyle>

class QPushButton;

namespace vlt {

// The look of a dialog's main action: white semibold label on the accent colour
// (0.82 opacity while pressed), 18 points of padding left and right, at least 92 × 36,
// corner radius 6. A disabled button, also one disabled by its surroundings, shows the
// muted colour at half opacity and does not react to pressing.
class SettingsPrimaryButtonStyle final : public QProxyStyle {
    Q_OBJECT

public:
    // Gives the button this style and its font; the style is owned by the button.
    static void apply(QPushButton& button);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                           const QWidget* widget) const override;

    static constexpr int minimumWidth = 92;
    static constexpr int minimumHeight = 36;
    static constexpr int horizontalPadding = 18;
    static constexpr double cornerRadius = 6.0;

private:
    SettingsPrimaryButtonStyle();
};

}  // namespace vlt
