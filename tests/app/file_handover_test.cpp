#include <gtest/gtest.h>

#include <future>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/single_instance/single_instance.h"
#include "shell_test_support.h"

namespace vlt {
namespace {

class FileHandoverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        first = makeImage(QStringLiteral("first.jpg"));
        second = makeImage(QStringLiteral("second.jpg"));
    }

    QUrl makeImage(const QString& name) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return QUrl::fromLocalFile(file.fileName());
    }

    QTemporaryDir folder;
    QUrl first;
    QUrl second;
};

TEST_F(FileHandoverTest, FilesGivenAtLaunchWaitForTheModelAndArriveOnce) {
    testing::ShellFixture shell;
    shell.delegate->attach(static_cast<AppModel*>(nullptr));

    shell.delegate->openURLs({first});
    EXPECT_EQ(shell.delegate->pendingFileOpenURLs().size(), 1);
    EXPECT_EQ(shell.model().importState().importGeneration, 0);

    shell.delegate->attach(&shell.model());
    EXPECT_TRUE(shell.delegate->pendingFileOpenURLs().isEmpty());
    EXPECT_EQ(shell.model().importState().importGeneration, 1);

    shell.delegate->openPendingFileURLsIfNeeded();
    EXPECT_EQ(shell.model().importState().importGeneration, 1);
}

TEST_F(FileHandoverTest, FilesHandedOverTwiceBeforeDeliveryKeepOnlyTheSecondList) {
    testing::ShellFixture shell;
    shell.model().presentShortcuts();
    shell.delegate->openURLs({first});
    shell.delegate->openURLs({second});
    EXPECT_EQ(shell.delegate->pendingFileOpenURLs(), QList<QUrl>{second});

    shell.model().closeShortcuts();
    EXPECT_TRUE(shell.delegate->pendingFileOpenURLs().isEmpty());
    EXPECT_EQ(shell.model().importState().importGeneration, 1);
}

TEST_F(FileHandoverTest, ASecondLaunchHandsItsFilesToTheRunningInstanceOnce) {
    testing::ShellFixture shell;
    SingleInstance running(folder.filePath(QStringLiteral("instance")));
    ASSERT_EQ(running.claimOrForward({}), SingleInstance::Role::primary);
    QObject::connect(&running, &SingleInstance::filesReceived, shell.delegate.get(), &AppDelegate::openURLs);

    const QString socketPath = running.socketPath();
    const QList<QUrl> handed = {second};
    auto secondLaunch = std::async(std::launch::async, [socketPath, handed] {
        SingleInstance launching(socketPath);
        return launching.claimOrForward(handed, 5000);
    });
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return secondLaunch.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; }, 10000));

    EXPECT_EQ(secondLaunch.get(), SingleInstance::Role::forwarded);
    EXPECT_EQ(shell.model().importState().importGeneration, 1);
    EXPECT_TRUE(shell.delegate->pendingFileOpenURLs().isEmpty());
}

}  // namespace
}  // namespace vlt
