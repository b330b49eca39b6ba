#include "app/menu_bar_keyboard.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>

namespace vlt {
namespace {

// The application's style, except that the bar keeps no keyboard mode of its own.
class MenuBarStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

// Owned by the window, so the style outlives the bar that uses it.
MenuBarKeyboard::MenuBarKeyboard(QMenuBar& menuBar) : QObject(menuBar.window()), menuBar_(menuBar) {
    auto* style = new MenuBarStyle();
    style->setParent(this);
    menuBar_.setStyle(style);
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F10), menuBar_.window());
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &MenuBarKeyboard::openFirstMenu);
}

void MenuBarKeyboard::openFirstMenu() {
    for (QAction* action : menuBar_.actions()) {
        if (!action->isVisible() || action->menu() == nullptr) continue;
        menuBar_.setActiveAction(action);
        // Its first item is marked, as when the arrows move on to the next menu, so
        // Return takes it and Down the one below.
        QMenu* menu = action->menu();
        for (QAction* item : menu->actions()) {
            if (item->isVisible() && item->isEnabled() && !item->isSeparator()) {
                menu->setActiveAction(item);
                break;
            }
        }
        return;
    }
}

}  // namespace vlt
