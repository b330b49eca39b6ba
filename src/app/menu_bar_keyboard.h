#pragma once

#include <QObject>

class QMenuBar;

namespace vlt {

// The menu bar takes the keyboard only while one of its menus is open. Qt's own habit
// (a tap of Alt, an Alt held for a wheel turn, or Escape out of a menu leaves the bar
// holding the keyboard with nothing to show for it) would swallow the tool letters and
// every other key of the screen beneath until a second Escape or a click. F10 opens the
// first menu, as on the Linux desktops, so the menus stay within the keyboard's reach.
class MenuBarKeyboard final : public QObject {
    Q_OBJECT

public:
    explicit MenuBarKeyboard(QMenuBar& menuBar);

private:
    void openFirstMenu();

    QMenuBar& menuBar_;
};

}  // namespace vlt
