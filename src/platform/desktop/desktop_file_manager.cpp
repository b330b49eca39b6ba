#include "platform/desktop/desktop_file_manager.h"

#include "platform/desktop/default_application_opener.h"

#include <memory>

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QTimer>

namespace vlt {

namespace {

constexpr const char* kService = "org.freedesktop.FileManager1";
constexpr const char* kPath = "/org/freedesktop/FileManager1";
constexpr const char* kInterface = "org.freedesktop.FileManager1";
constexpr const char* kMethod = "ShowItems";

}  // namespace

DesktopFileManager::DesktopFileManager()
    : DesktopFileManager(QDBusConnection::sessionBus(), [](const QUrl& folder, std::function<void(bool)> completion) {
          openWithDefaultApplication(folder.toLocalFile(), std::move(completion));
      }) {}

DesktopFileManager::DesktopFileManager(QDBusConnection bus, OpenFolder openFolder)
    : bus_(std::move(bus)), openFolder_(std::move(openFolder)) {}

void DesktopFileManager::showItems(const QStringList& paths, std::function<void(bool)> completion) {
    auto finish = std::make_shared<std::function<void(bool)>>(std::move(completion));
    const QUrl folder = paths.isEmpty() ? QUrl() : QUrl::fromLocalFile(QFileInfo(paths.first()).absolutePath());
    auto fallBack = [finish, folder, openFolder = openFolder_] {
        if (folder.isEmpty() || !openFolder) {
            if (*finish) (*finish)(false);
            return;
        }
        openFolder(folder, [finish](bool opened) {
            if (*finish) (*finish)(opened);
        });
    };
    if (paths.isEmpty() || !bus_.isConnected()) {
        QTimer::singleShot(0, fallBack);
        return;
    }

    QStringList uris;
    for (const QString& path : paths) uris.append(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, kMethod);
    call << uris << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kReplyTimeoutMilliseconds));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [finish, fallBack](QDBusPendingCallWatcher* answered) {
                         answered->deleteLater();
                         if (answered->isError()) {
                             fallBack();
                             return;
                         }
                         if (*finish) (*finish)(true);
                     });
}

}  // namespace vlt
