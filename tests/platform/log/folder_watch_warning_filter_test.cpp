#include "platform/log/folder_watch_warning_filter.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace vlt {
namespace {

QStringList& passedMessages() {
    static QStringList messages;
    return messages;
}

void keepMessage(QtMsgType, const QMessageLogContext&, const QString& message) { passedMessages().append(message); }

// Only the refused watch goes; a watch that failed for another reason, and every other
// message, reach the handler that was there before.
TEST(FolderWatchWarningFilterTest, OnlyARefusedFolderWatchIsKeptOutOfTheLog) {
    qInstallMessageHandler(keepMessage);
    installFolderWatchWarningFilter();
    installFolderWatchWarningFilter();
    qCritical("inotify_add_watch(/srv/drop box) failed: (Permission denied)");
    qWarning("inotify_add_watch(/srv/drop box) failed: (Permission denied)");
    qCritical("inotify_add_watch(/srv/full) failed: (No space left on device)");
    qWarning("QFileSystemWatcher: failed to add paths: /srv/drop box");
    qInstallMessageHandler(nullptr);

    EXPECT_EQ(passedMessages(),
              (QStringList{QStringLiteral("inotify_add_watch(/srv/full) failed: (No space left on device)"),
                           QStringLiteral("QFileSystemWatcher: failed to add paths: /srv/drop box")}));
}

}  // namespace
}  // namespace vlt
