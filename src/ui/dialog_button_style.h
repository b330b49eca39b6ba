#pragma once

#include <QFont>
#include <QProxyStyle>

#include "ui/rounded_button_face.h"

class QPushButton;

namespace vlt {

// What every dialog button style does alike: it sizes the button from its text
// (padding on both sides, a minimum size) and draws the face that the subclass chooses
// for the enabled and pressed state, the centred label and, under keyboard focus, a
// ring in the accent colour. A button disabled by its surroundings counts as disabled.
// The keyboard reaches the button by Tab only: a click does not take it there.
class DialogButtonStyle : public QProxyStyle {
    Q_OBJECT

public:
    struct Metrics {
        int minimumWidth = 0;
        int minimumHeight = 0;
        int horizontalPadding = 0;
        double cornerRadius = 0.0;
        QFont::Weight labelWeight = QFont::Normal;
    };

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                           const QWidget* widget) const override;

protected:
    explicit DialogButtonStyle(const Metrics& metrics);

    // Gives the button the style and its font; the button owns the style.
    static void install(QPushButton& button, DialogButtonStyle* style);

    virtual RoundedButtonFace face(bool isEnabled, bool isPressed) const = 0;
    virtual QColor labelColor() const = 0;

    const Metrics& metrics() const { return metrics_; }

private:
    Metrics metrics_;
};

}  // namespace vlt
