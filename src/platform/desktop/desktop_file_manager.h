#pragma once

#include <functional>

#include <QDBusConnection>
#include <QUrl>

#include "platform/desktop/file_manager.h"

namespace vlt {

// Asks the file manager through the freedesktop.org interface
// (org.freedesktop.FileManager1.ShowItems on the session bus). When no file manager
// answers there, the folder of the first file is opened with its default application
// instead, without a selection.
class DesktopFileManager final : public FileManager {
public:
    using OpenFolder = std::function<void(const QUrl& folder, std::function<void(bool opened)> completion)>;

    // The session bus and the default application through xdg-open.
    DesktopFileManager();
    // A given bus and folder opener, so that tests need no desktop session.
    DesktopFileManager(QDBusConnection bus, OpenFolder openFolder);

    void showItems(const QStringList& paths, std::function<void(bool shown)> completion) override;

    static constexpr int kReplyTimeoutMilliseconds = 5000;

private:
    QDBusConnection bus_;
    OpenFolder openFolder_;
};

}  // namespace vlt
