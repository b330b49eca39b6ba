#include "crash/capture/vt_crash_reporter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

#include <QTemporaryDir>

#include "crash/capture/vt_crash_reporter_error.h"

namespace vlt {
namespace {

VTCrashReporter reporterIn(const QTemporaryDir& base, std::string identifier = "org.veltrano/tests/front") {
    VTCrashReporterConfig configuration;
    configuration.basePath = base.path().toStdString();
    return VTCrashReporter(std::move(identifier), "7", std::nullopt, configuration);
}

TEST(VTCrashReporterFrontTest, ThePendingFileLivesInOneFolderPerApplicationUntilPurged) {
    QTemporaryDir base;
    const VTCrashReporter reporter = reporterIn(base);
    EXPECT_EQ(reporter.crashReportPath(), std::filesystem::path(base.path().toStdString()) /
                                              "vtcrash/org.veltrano_tests_front/live_report.vtcrash");
    EXPECT_FALSE(reporter.hasPendingCrashReport());
    EXPECT_FALSE(reporter.purgePendingCrashReport());
    EXPECT_FALSE(reporter.loadPendingCrashReportData());

    ASSERT_TRUE(reporter.populateCrashReportDirectory());
    EXPECT_TRUE(std::filesystem::is_directory(reporter.queuedCrashReportDirectory()));
    std::ofstream(reporter.crashReportPath()) << "not a crash log";
    EXPECT_TRUE(reporter.hasPendingCrashReport());
    EXPECT_EQ(reporter.loadPendingCrashReportData().value().size(), 15u);
    EXPECT_TRUE(reporter.purgePendingCrashReport());
    EXPECT_FALSE(reporter.hasPendingCrashReport());
}

// In a child process, which keeps the handlers it installs: the exit code is the
// second attempt's error code.
void enableTwice(const QTemporaryDir& base) {
    VTCrashReporter first = reporterIn(base);
    VTCrashReporter second = reporterIn(base);
    if (!first.enableCrashReporter() || !first.isEnabled()) ::_exit(1);
    const VoidResult again = second.enableCrashReporter();
    ::_exit(again ? 0 : static_cast<int>(again.error()->code()));
}

TEST(VTCrashReporterFrontDeathTest, CaptureIsEnabledOncePerProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir base;
    EXPECT_EXIT(enableTwice(base),
                ::testing::ExitedWithCode(static_cast<int>(VTCrashReporterErrorCode::alreadyEnabled)), "");
}

}  // namespace
}  // namespace vlt
