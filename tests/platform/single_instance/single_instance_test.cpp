#include <gtest/gtest.h>

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "platform/single_instance/single_instance.h"

namespace vlt {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString socketPath() const { return folder.filePath(QStringLiteral("instance")); }

    QTemporaryDir folder;
};

TEST_F(SingleInstanceTest, ASocketLeftByACrashedInstanceIsTakenOver) {
    QFile stale(socketPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    SingleInstance running(socketPath());
    EXPECT_EQ(running.claimOrForward({}), SingleInstance::Role::primary);
    EXPECT_TRUE(running.isListening());
}

TEST_F(SingleInstanceTest, LettingGoLetsARelaunchedInstanceTakeOver) {
    SingleInstance running(socketPath());
    ASSERT_EQ(running.claimOrForward({}), SingleInstance::Role::primary);
    running.stopListening();

    SingleInstance relaunched(socketPath());
    EXPECT_EQ(relaunched.claimOrForward({}), SingleInstance::Role::primary);
    relaunched.stopListening();
    EXPECT_TRUE(running.resumeListening());
}

TEST_F(SingleInstanceTest, AGarbledMessageIsDroppedWithoutFiles) {
    SingleInstance running(socketPath());
    ASSERT_EQ(running.claimOrForward({}), SingleInstance::Role::primary);
    QSignalSpy received(&running, &SingleInstance::filesReceived);

    QLocalSocket intruder;
    intruder.connectToServer(socketPath());
    ASSERT_TRUE(intruder.waitForConnected(2000));
    intruder.write("{\"files\":[\"../etc/passwd\"]}\n");
    intruder.flush();
    EXPECT_TRUE(QTest::qWaitFor([&] { return intruder.state() == QLocalSocket::UnconnectedState; }, 5000));
    EXPECT_EQ(received.count(), 0);
}

}  // namespace
}  // namespace vlt
