#pragma once

#include <QProxyStyle>

namespace vlt {

// The application's one style: Fusion, with the keyboard focus of a push button drawn
// as the ring of Veltrano's own controls. Fusion marks a focused button as it marks the
// default one, so in its dialogs (alerts, file, print, colour and font dialogs) the
// focus on the default button could not be seen.
class ApplicationStyle final : public QProxyStyle {
    Q_OBJECT

public:
    ApplicationStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace vlt
