#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "crash_capture/vt_crash_reporter.h"
#include "crash_capture/vt_crash_reporter_error.h"
#include "crash_capture/vt_crash_reporter_log.h"

namespace vlt {
namespace {

// The component's lines while it lives, instead of standard error.
class CapturedReporterLog {
public:
    CapturedReporterLog() {
        previous_ = setVTCrashReporterLogSink([this](const std::string& line) { lines.push_back(line); });
    }
    ~CapturedReporterLog() { setVTCrashReporterLogSink(previous_); }
    std::vector<std::string> lines;

private:
    VTCrashReporterLogSink previous_;
};

TEST(VTCrashReporterTest, AMissingIdentifierOrVersionIsMadeUpAndSaidSo) {
    const VTCrashReporterConfig configuration;
    {
        CapturedReporterLog log;
        const VTCrashReporter reporter =
            VTCrashReporter::forApplicationFacts({"org.veltrano.tests", "7", "1.2", "tests"}, configuration);
        EXPECT_EQ(reporter.applicationIdentifier(), "org.veltrano.tests");
        EXPECT_EQ(reporter.applicationVersion(), "7");
        EXPECT_EQ(reporter.applicationMarketingVersion(), "1.2");
        EXPECT_TRUE(log.lines.empty());
    }
    {
        CapturedReporterLog log;
        const VTCrashReporter reporter = VTCrashReporter::forApplicationFacts({{}, {}, {}, "tests"}, configuration);
        EXPECT_EQ(reporter.applicationIdentifier(), "tests");
        EXPECT_EQ(reporter.applicationVersion(), "");
        EXPECT_EQ(reporter.applicationMarketingVersion(), std::nullopt);
        EXPECT_EQ(log.lines,
                  (std::vector<std::string>{"[VTCrashReporter] Warning -- bundle identifier, using process name tests",
                                            "[VTCrashReporter] Warning -- bundle version unavailable"}));
    }
    try {
        VTCrashReporter::forApplicationFacts({{}, "7", {}, {}}, configuration);
        ADD_FAILURE() << "a reporter without a name";
    } catch (const VTCrashReporterException& exception) {
        EXPECT_STREQ(exception.name(), "VTCrashReporterException");
        EXPECT_STREQ(exception.reason(), "Can not determine process identifier or process name");
    }
}

TEST(VTCrashReporterTest, TheSharedReporterIsMadeOnceForThisBuildWithTheDefaultConfiguration) {
    VTCrashReporter& shared = VTCrashReporter::sharedReporter();
    EXPECT_EQ(&VTCrashReporter::sharedReporter(), &shared);
    EXPECT_EQ(shared.applicationIdentifier(), "com.veltrano.mac");
    EXPECT_EQ(shared.applicationIdentifier(), VTCrashApplicationFacts::ofThisBuild().identifier);
    EXPECT_EQ(shared.configuration().signalHandlerType, 0u);
    EXPECT_EQ(shared.configuration().maxReportBytes, 1048576u);
    EXPECT_FALSE(shared.configuration().basePath);
    EXPECT_EQ(VTCrashApplicationFacts::ofThisBuild().processName, std::string(program_invocation_short_name));
}

TEST(VTCrashReporterDeathTest, CrashCallbacksOfAnotherVersionStopTheProcess) {
    VTCrashReporter reporter("org.veltrano.tests", "7", "1.2", {});
    EXPECT_DEATH(reporter.setCrashCallbacks({1, nullptr, nullptr}), "callbacks->version == 0");
}

}  // namespace
}  // namespace vlt
