#include "platform/desktop/desktop_file_manager.h"

#include "platform/desktop/default_application_opener.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <iterator>
#include <optional>

namespace vlt {
namespace {

// Stands in for the desktop's file manager on the test's own bus.
class FileManagerService final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public slots:
    void ShowItems(const QStringList& uris, const QString&) { shown.append(uris); }

public:
    QStringList shown;
};

TEST(DesktopFileManagerTest, AsksTheFileManagerOnTheBusAndOpensTheFolderWhenNoneAnswers) {
    // A private session bus, started for the test and stopped with it.
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(daemon.waitForReadyRead(10000));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    QDBusConnection serviceSide = QDBusConnection::connectToBus(address, "vlt-file-manager-service");
    FileManagerService service;
    ASSERT_TRUE(serviceSide.registerObject("/org/freedesktop/FileManager1", &service, QDBusConnection::ExportAllSlots));

    struct Case {
        const char* name;
        bool serviceRunning;
        bool busConnected;
        bool folderOpens;
        QStringList shown;
        bool answer;
    };
    const Case cases[] = {
        {"file manager answers", true, true, false, {"file:///tmp/a%20b/%C3%A7.mp4"}, true},
        {"no file manager", false, true, true, {}, true},
        {"no bus, nothing opens the folder", true, false, false, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        service.shown.clear();
        if (c.serviceRunning) {
            ASSERT_TRUE(serviceSide.registerService("org.freedesktop.FileManager1"));
        } else {
            serviceSide.unregisterService("org.freedesktop.FileManager1");
        }
        QList<QUrl> opened;
        DesktopFileManager fileManager(c.busConnected
                                           ? QDBusConnection::connectToBus(address, "vlt-file-manager-client")
                                           : QDBusConnection("none"),
                                       [&](const QUrl& folder, std::function<void(bool)> completion) {
                                           opened.append(folder);
                                           completion(c.folderOpens);
                                       });
        std::optional<bool> answer;
        fileManager.showItems({QString::fromUtf8("/tmp/a b/ç.mp4")}, [&](bool shown) { answer = shown; });
        EXPECT_FALSE(answer.has_value());
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(service.shown, c.shown);
        const QList<QUrl> expectedFolder =
            c.shown.isEmpty() ? QList<QUrl>{QUrl::fromLocalFile("/tmp/a b")} : QList<QUrl>{};
        EXPECT_EQ(opened, expectedFolder);
    }
    daemon.kill();
    daemon.waitForFinished(5000);
}

// Counts the opener's processes as they are freed, so a test can wait for the last one
// instead of guessing how long it takes.
class FreedProcesses final : public QObject {
public:
    FreedProcesses() { QCoreApplication::instance()->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::DeferredDelete && qobject_cast<QProcess*>(watched) != nullptr) ++count;
        return false;
    }
};

TEST(DesktopFileManagerTest, TheDefaultApplicationCountsOnlyWhenItsOpenerSucceeds) {
    // Deadlines are generous so that a busy machine cannot change an answer: the
    // openers that end are answered by their exit long before, and the one that stays
    // in the foreground stays until the test lets it go.
    constexpr int kGenerousMs = 30000;
    QTemporaryDir bin;
    const QString release = bin.filePath("release");
    const auto opener = [&](const char* name, const QByteArray& body) {
        const QString path = bin.filePath(QLatin1String(name));
        QFile script(path);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\n" + body + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        return path;
    };
    const struct {
        const char* situation;
        QString program;
        int patienceMs;
        bool opened;
    } cases[] = {
        {"opened", opener("opens", "exit 0"), kGenerousMs, true},
        // A desktop without any application for folders: xdg-open starts, then fails.
        {"nothing to open folders with", opener("fails", "exit 3"), kGenerousMs, false},
        {"no opener at all", bin.filePath("missing"), kGenerousMs, false},
        {"an application still in the foreground",
         opener("stays", "while [ ! -e '" + release.toUtf8() + "' ]; do sleep 0.05; done"), 300, true},
    };
    FreedProcesses freed;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        std::optional<bool> answer;
        openWithDefaultApplication(
            bin.path(), [&](bool opened) { answer = opened; }, c.program, c.patienceMs);
        EXPECT_FALSE(answer.has_value());
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, kGenerousMs));
        EXPECT_EQ(answer, c.opened);
    }
    // The opener left in the foreground ends, and its process is freed with the others.
    QFile(release).open(QIODevice::WriteOnly);
    EXPECT_TRUE(QTest::qWaitFor([&] { return freed.count == int(std::size(cases)); }, kGenerousMs));
}

}  // namespace
}  // namespace vlt

#include "desktop_file_manager_test.moc"
