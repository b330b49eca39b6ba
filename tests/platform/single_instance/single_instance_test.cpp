#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>
#include <vector>

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

// The display the process shows on, set for the length of a test and put back after.
class DisplayEnvironment {
public:
    DisplayEnvironment() {
        for (const char* name : kNames) saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    }
    ~DisplayEnvironment() {
        for (const auto& [name, wasSet, value] : saved_) wasSet ? (void)qputenv(name, value) : (void)qunsetenv(name);
    }
    void show(const char* wayland, const char* x) {
        wayland ? (void)qputenv("WAYLAND_DISPLAY", wayland) : (void)qunsetenv("WAYLAND_DISPLAY");
        x ? (void)qputenv("DISPLAY", x) : (void)qunsetenv("DISPLAY");
    }

private:
    static constexpr const char* kNames[] = {"WAYLAND_DISPLAY", "DISPLAY", "XDG_RUNTIME_DIR"};
    std::vector<std::tuple<const char*, bool, QByteArray>> saved_;
};

TEST_F(SingleInstanceTest, EachDisplayHasARunningInstanceOfItsOwn) {
    DisplayEnvironment environment;
    qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
    environment.show(nullptr, ":0.0");
    const QString firstDisplay = SingleInstance::defaultSocketPath();
    environment.show(nullptr, ":0");
    EXPECT_EQ(SingleInstance::defaultSocketPath(), firstDisplay) << "the same X server, named two ways";
    environment.show(nullptr, "localhost:1.0");
    const QString secondDisplay = SingleInstance::defaultSocketPath();
    environment.show("wayland-1", ":0");
    const QString waylandDisplay = SingleInstance::defaultSocketPath();
    environment.show(nullptr, nullptr);
    const QString noDisplay = SingleInstance::defaultSocketPath();

    EXPECT_EQ(QFileInfo(firstDisplay).fileName(), QStringLiteral("veltrano-instance-_0"));
    EXPECT_EQ(QFileInfo(secondDisplay).fileName(), QStringLiteral("veltrano-instance-localhost_1"));
    EXPECT_EQ(QFileInfo(waylandDisplay).fileName(), QStringLiteral("veltrano-instance-wayland-1"));
    EXPECT_EQ(QFileInfo(noDisplay).fileName(), QStringLiteral("veltrano-instance"));

    // A launch on the second display runs on its own rather than handing its files to
    // the window on the first.
    SingleInstance onFirst(firstDisplay);
    ASSERT_EQ(onFirst.claimOrForward({}), SingleInstance::Role::primary);
    SingleInstance onSecond(secondDisplay);
    EXPECT_EQ(onSecond.claimOrForward({}, 500), SingleInstance::Role::primary);
    EXPECT_TRUE(onFirst.isListening());
    EXPECT_TRUE(onSecond.isListening());
}

}  // namespace
}  // namespace vlt
