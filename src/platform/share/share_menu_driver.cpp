#include "platform/share/share_menu_driver.h"

#include <memory>

#include <QMenu>
#include <QTimer>

#include "foundation/localized_string.h"

namespace vlt {

QString shareMenuEntryTitle(ShareMenuEntry entry) {
    switch (entry) {
    case ShareMenuEntry::openWith:
        return localizedString("Open With…");
    case ShareMenuEntry::sendByEmail:
        return localizedString("Send by Email…");
    case ShareMenuEntry::copyImage:
        return localizedString("Copy Image");
    case ShareMenuEntry::showInFileManager:
        return localizedString("Show in File Manager");
    }
    return {};
}

void PopupShareMenuDriver::show(QWidget& widget, QPoint anchor, const std::vector<ShareMenuEntry>& entries,
                                Choice choice) {
    auto* menu = new QMenu(&widget);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto chosen = std::make_shared<std::optional<ShareMenuEntry>>();
    for (ShareMenuEntry entry : entries) {
        QAction* action = menu->addAction(shareMenuEntryTitle(entry));
        QObject::connect(action, &QAction::triggered, menu, [chosen, entry] { *chosen = entry; });
    }
    // A menu hides before its action fires, so the choice is read a turn later.
    QObject::connect(menu, &QMenu::aboutToHide, [chosen, choice = std::move(choice)] {
        QTimer::singleShot(0, [chosen, choice] { choice(*chosen); });
    });
    menu->popup(widget.mapToGlobal(anchor));
}

}  // namespace vlt
