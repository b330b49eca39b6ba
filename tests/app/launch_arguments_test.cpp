#include <gtest/gtest.h>

#include <csignal>

#include <QSignalSpy>

#include "app/launch_arguments.h"
#include "app/termination_signal_watcher.h"

namespace vlt {
namespace {

TEST(LaunchArgumentsTest, EveryLocalArgumentAfterTheProgramIsAFile) {
    const QStringList arguments = {QStringLiteral("veltrano"),
                                   QStringLiteral("portrait.jpg"),
                                   QStringLiteral("../shots/side view.heic"),
                                   QStringLiteral("/srv/a.png"),
                                   QStringLiteral("file:///srv/b%20c.tiff"),
                                   QStringLiteral("file://server/share/x.jpg"),
                                   QString()};
    const QList<QUrl> files = filesFromLaunchArguments(arguments, QStringLiteral("/home/ana/photos"));

    ASSERT_EQ(files.size(), 4);
    EXPECT_EQ(files[0].toLocalFile(), QStringLiteral("/home/ana/photos/portrait.jpg"));
    EXPECT_EQ(files[1].toLocalFile(), QStringLiteral("/home/ana/shots/side view.heic"));
    EXPECT_EQ(files[2].toLocalFile(), QStringLiteral("/srv/a.png"));
    EXPECT_EQ(files[3].toLocalFile(), QStringLiteral("/srv/b c.tiff"));
}

TEST(TerminationSignalWatcherTest, SignalsArriveOnTheEventLoop) {
    TerminationSignalWatcher watcher;
    ASSERT_TRUE(watcher.isInstalled());
    QSignalSpy requested(&watcher, &TerminationSignalWatcher::terminationRequested);

    ::raise(SIGTERM);
    ::raise(SIGINT);
    EXPECT_EQ(requested.count(), 0);
    ASSERT_TRUE(requested.wait(5000) || requested.count() > 0);
    if (requested.count() < 2) requested.wait(1000);

    ASSERT_EQ(requested.count(), 2);
    EXPECT_EQ(requested[0][0].toInt(), SIGTERM);
    EXPECT_EQ(requested[1][0].toInt(), SIGINT);
}

}  // namespace
}  // namespace vlt
