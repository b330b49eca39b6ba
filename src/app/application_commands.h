#pragma once

#include <functional>
#include <map>

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QKeySequence>
#include <QPointer>

#include "model/menu_command.h"
#include "model/menu_command_availability.h"

class QAction;
class QMenu;
class QMenuBar;

namespace vlt {

class AppModel;
class EditorSession;

// The menu bar. Every item calls one operation of the model, of the editor session or
// of the Help and About code; its enabled state follows the model and the editor
// session as they change. The items hold no state of their own.
class ApplicationCommands final : public QObject {
    Q_OBJECT

public:
    // What the items do beyond the model: tests replace them so nothing leaves the process.
    struct Actions {
        std::function<void()> quit;
        std::function<void()> showAbout;
        std::function<void()> openDocumentation;
        std::function<void()> openSupportPage;
    };

    ApplicationCommands(AppModel& model, QMenuBar& menuBar, Actions actions, QObject* parent = nullptr);

    QAction* action(MenuCommand command) const;
    QMenu* menu(int index) const { return menus_.value(index); }
    MenuCommandAvailability availability() const;

private:
    void buildMenus(QMenuBar& menuBar);
    QAction* addItem(QMenu& menu, MenuCommand command, const QString& title, const QKeySequence& shortcut = {});
    void perform(MenuCommand command);
    void performHistoryCommand(bool isUndo);
    void refresh();
    void watchEditorSession();

    AppModel& model_;
    Actions actions_;
    std::map<MenuCommand, QAction*> actionsByCommand_;
    QList<QMenu*> menus_;
    QPointer<EditorSession> watchedSession_;
    QList<QMetaObject::Connection> sessionConnections_;
};

}  // namespace vlt
