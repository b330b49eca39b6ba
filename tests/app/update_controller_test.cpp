#include <gtest/gtest.h>

#include "app/update_controller.h"
#include "foundation/capturing_event_log_sink.h"
#include "platform/updater/fake_updater.h"
#include "platform/updater/updater_error.h"
#include "shell_test_support.h"

namespace vlt {
namespace {

TEST(UpdateControllerTest, StartsOnceChecksOnceAndPassesTheRelaunchNoticeOn) {
    ScopedCapturingEventLog log;
    auto updater = std::make_shared<FakeUpdater>();
    int notices = 0;
    UpdateController controller(updater, [&notices] { ++notices; });

    controller.startUpdaterAndCheckInBackground();
    controller.startUpdaterAndCheckInBackground();

    EXPECT_EQ(updater->startCount(), 1);
    EXPECT_EQ(updater->backgroundCheckCount(), 1);
    EXPECT_EQ(log->eventsNamed("startup_update_check_started").size(), 1u);
    EXPECT_EQ(log->count(), 1u);
    updater->announceRelaunch();
    EXPECT_EQ(notices, 1);
}

TEST(UpdateControllerTest, AFailedStartLogsOneEventAndIsNotRetried) {
    ScopedCapturingEventLog log;
    auto updater = std::make_shared<FakeUpdater>();
    updater->failStartWith(makeError<UpdaterError>("org.example.updater", 4005, "no feed"));
    UpdateController controller(updater, [] {});

    controller.startUpdaterAndCheckInBackground();
    controller.startUpdaterAndCheckInBackground();

    EXPECT_EQ(updater->startCount(), 1);
    EXPECT_EQ(updater->backgroundCheckCount(), 0);
    const auto failures = log->eventsNamed("startup_update_check_failed");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures.front().value("error_domain"), "org.example.updater");
    EXPECT_EQ(failures.front().value("error_code"), "4005");
    EXPECT_EQ(failures.front().value("failure_code"), "unexpected");
    EXPECT_TRUE(log->eventsNamed("startup_update_check_started").empty());
}

TEST(UpdateControllerTest, TheDelegateStartsTheCheckAfterTheSessionStarted) {
    ScopedCapturingEventLog log;
    testing::ShellFixture shell;
    shell.delegate->applicationDidFinishLaunching();
    shell.delegate->applicationDidFinishLaunching();

    EXPECT_EQ(shell.updater->backgroundCheckCount(), 1);
    EXPECT_EQ(log->eventsNamed("startup_update_check_started").size(), 1u);
}

}  // namespace
}  // namespace vlt
