#include <gtest/gtest.h>

#include <QWidget>

#include "base/cancellation_error.h"
#include "crash/mac_crash_report_coordinator.h"
#include "crash/mac_crash_report_failure.h"
#include "crash/sample_crash_log.h"
#include "foundation/capturing_event_log_sink.h"

namespace vlt {
namespace {

using Answer = CrashReportAlertAnswer;

// What the fakes share with the test, since the coordinator owns the capture.
struct World {
    std::optional<std::vector<std::uint8_t>> crashLog;
    bool debugger = false;
    int purges = 0;
    std::vector<PreparedMacCrashReport> submitted;
    std::vector<MacCrashReportSubmitting::Completion> sends;
    struct Shown {
        CrashReportAlert alert;
        int purgesBefore;
        CrashReportAlertPresenting::Completion completion;
    };
    std::vector<Shown> alerts;
};

class FakeCapture final : public CrashCapturing {
public:
    explicit FakeCapture(World& world) : world_(world) {}
    bool hasPendingCrashReport() const override { return world_.crashLog.has_value(); }
    Result<std::vector<std::uint8_t>> loadPendingCrashReportData() const override { return *world_.crashLog; }
    VoidResult enableCrashReporter() override { return {}; }
    bool purgePendingCrashReport() override {
        if (!world_.crashLog) return false;
        world_.crashLog.reset();
        ++world_.purges;
        return true;
    }

private:
    World& world_;
};

class FakeClient final : public MacCrashReportSubmitting {
public:
    explicit FakeClient(World& world) : world_(world) {}
    void submit(const PreparedMacCrashReport& report, std::stop_token, Completion completion) override {
        world_.submitted.push_back(report);
        world_.sends.push_back(std::move(completion));
    }

private:
    World& world_;
};

class FakeAlerts final : public CrashReportAlertPresenting {
public:
    explicit FakeAlerts(World& world) : world_(world) {}
    void present(QWidget*, const CrashReportAlert& alert, Completion completion) override {
        world_.alerts.push_back({alert, world_.purges, std::move(completion)});
    }

private:
    World& world_;
};

class MacCrashReportCoordinatorTest : public ::testing::Test {
protected:
    MacCrashReportCoordinator& started() {
        MacCrashReportCoordinator::Services services;
        services.client = std::make_shared<FakeClient>(world);
        services.installationIdentifier = [] { return Result<std::string>(std::string(32, 'a')); };
        services.makeCapture = [this] { return std::make_unique<FakeCapture>(world); };
        services.isDebuggerAttached = [this] { return world.debugger; };
        services.alerts = std::make_shared<FakeAlerts>(world);
        coordinator = std::make_unique<MacCrashReportCoordinator>(std::move(services));
        coordinator->start();
        coordinator->offerPendingReportIfNeeded(&window);
        return *coordinator;
    }
    void answer(Answer value) { world.alerts.back().completion(value); }
    QString lastMessage() const { return world.alerts.back().alert.message; }
    std::vector<std::string> eventNames() {
        std::vector<std::string> names;
        for (const CapturedEvent& event : log->events()) names.emplace_back(event.name());
        return names;
    }
    static std::vector<std::uint8_t> validLog() {
        testing::SampleCrashLog log;
        log.images = {{0x1000, 0x100, "/usr/bin/veltrano", {}}};
        log.threads = {{0, false, {0x1010}, {}}, {1, true, {0x1020, 0x1030}, {{"rip", 0x1020}}}};
        return log.bytes();
    }

    World world;
    QWidget window;
    ScopedCapturingEventLog log;
    std::unique_ptr<MacCrashReportCoordinator> coordinator;
};

TEST_F(MacCrashReportCoordinatorTest, WithoutACrashLogOnlyCaptureIsEnabled) {
    const MacCrashReportCoordinator& coordinator = started();
    EXPECT_EQ(eventNames(), std::vector<std::string>{"crash_reporter_enabled"});
    EXPECT_TRUE(world.alerts.empty());
    EXPECT_FALSE(coordinator.didOfferPendingReport());
}

TEST_F(MacCrashReportCoordinatorTest, UnderADebuggerCaptureIsSkippedButTheReportIsOfferedOnce) {
    world.crashLog = validLog();
    world.debugger = true;
    MacCrashReportCoordinator& coordinator = started();
    EXPECT_EQ(eventNames(), (std::vector<std::string>{"previous_crash_captured", "crash_reporter_skipped"}));
    EXPECT_EQ(log->events()[0].value("report_id"), coordinator.pendingReport()->request.report.reportId);
    ASSERT_EQ(world.alerts.size(), 1u);
    EXPECT_EQ(lastMessage(), "Veltrano encountered an unexpected error");
    const QString summary = QString("Threads: 2\nUpload size: %1 bytes\nSignal: SIGSEGV (SEGV_MAPERR)")
                                .arg(coordinator.pendingReport()->encodedBytes);
    EXPECT_TRUE(world.alerts[0].alert.information.endsWith(summary)) << world.alerts[0].alert.information.toStdString();
    coordinator.offerPendingReportIfNeeded(&window);
    EXPECT_EQ(world.alerts.size(), 1u);
}

TEST_F(MacCrashReportCoordinatorTest, DontSendRemovesTheLogWithoutSending) {
    world.crashLog = validLog();
    const MacCrashReportCoordinator& coordinator = started();
    answer(Answer::secondButton);
    EXPECT_TRUE(world.submitted.empty());
    EXPECT_EQ(world.purges, 1);
    EXPECT_EQ(eventNames().back(), "crash_report_discarded");
    EXPECT_FALSE(coordinator.pendingReport());
}

TEST_F(MacCrashReportCoordinatorTest, ASuccessfulSendPurgesBeforeTheThanks) {
    world.crashLog = validLog();
    started();
    answer(Answer::firstButton);
    ASSERT_EQ(world.sends.size(), 1u);
    world.sends[0]({});
    ASSERT_EQ(world.alerts.size(), 2u);
    EXPECT_EQ(lastMessage(), "Crash report sent");
    EXPECT_EQ(world.alerts[1].purgesBefore, 1);
    EXPECT_EQ(world.alerts[1].alert.information.toStdString(),
              "Thank you. Report ID:\n" + world.submitted[0].request.report.reportId);
}

TEST_F(MacCrashReportCoordinatorTest, RetrySendsTheIdenticalReportAndCancellationLeavesItPending) {
    world.crashLog = validLog();
    const MacCrashReportCoordinator& coordinator = started();
    answer(Answer::firstButton);
    world.sends[0](makeMacCrashReportFailure(MacCrashReportFailure::Case::sendFailed));
    EXPECT_EQ(lastMessage(), "Crash report not sent");
    answer(Answer::firstButton);
    ASSERT_EQ(world.submitted.size(), 2u);
    EXPECT_EQ(world.submitted[1], world.submitted[0]);
    world.sends[1](makeCancellationError());
    EXPECT_EQ(world.alerts.size(), 2u);
    EXPECT_EQ(world.purges, 0);
    EXPECT_TRUE(coordinator.pendingReport());
}

TEST_F(MacCrashReportCoordinatorTest, ACorruptLogIsAnnouncedAndRemovedOnOK) {
    world.crashLog = std::vector<std::uint8_t>{'v', 't', 'c', 'r', 'a', 's', 'h', 1, 0xFF};
    started();
    EXPECT_EQ(log->eventsNamed("crash_reporter_failed").at(0).value("failure_code"), "pending_report_invalid");
    ASSERT_EQ(world.alerts.size(), 1u);
    EXPECT_EQ(lastMessage(), "Crash report unavailable");
    EXPECT_EQ(world.alerts[0].alert.secondButton, QString());
    answer(Answer::firstButton);
    EXPECT_EQ(world.purges, 1);
    EXPECT_EQ(eventNames().back(), "crash_report_discarded");
}

}  // namespace
}  // namespace vlt
