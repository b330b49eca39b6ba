#include "screens/save_images/still_image_folder_picker.h"

#include <sys/fsuid.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/log/folder_watch_warning_filter.h"

namespace vlt {
namespace {

QStringList& capturedMessages() {
    static QStringList messages;
    return messages;
}

void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    capturedMessages().append(message);
}

// Can the folder be watched by whoever the file system takes us for?
bool canBeWatched(const QString& folder) {
    const int watcher = ::inotify_init1(IN_CLOEXEC);
    const bool watched = ::inotify_add_watch(watcher, QFile::encodeName(folder).constData(), IN_CREATE) >= 0;
    ::close(watcher);
    return watched;
}

// A drop box: files may go in, nobody may look. Choosing it with Browse… leaves no
// warning of Qt's refused folder watch in the log. The superuser, who runs CI, passes
// every permission check, so the picker looks as "nobody" does.
TEST(StillImageFolderPickerTest, AFolderThatCannotBeListedLeavesNoWatchWarningInTheLog) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString dropBox = folder.filePath(QStringLiteral("drop box"));
    ASSERT_TRUE(QDir().mkpath(dropBox));
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0711), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dropBox).constData(), 0333), 0);

    qInstallMessageHandler(captureMessage);
    installFolderWatchWarningFilter();
    const bool asNobody = ::geteuid() == 0;
    if (asNobody) ::setfsuid(65534);
    EXPECT_FALSE(canBeWatched(dropBox));
    QFileDialog* picker = StillImageFolderPicker::create(nullptr, dropBox);
    picker->open();
    QApplication::processEvents();
    EXPECT_EQ(picker->directory().absolutePath(), dropBox);
    picker->reject();
    QApplication::processEvents();
    if (asNobody) ::setfsuid(0);
    qInstallMessageHandler(nullptr);
    ::chmod(QFile::encodeName(dropBox).constData(), 0755);

    EXPECT_FALSE(capturedMessages().join(u'\n').contains(QLatin1String("inotify_add_watch")))
        << capturedMessages().join(u'\n').toStdString();
}

}  // namespace
}  // namespace vlt
