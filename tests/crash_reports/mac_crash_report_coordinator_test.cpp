#include <gtest/gtest.h>

#include <QWidget>

#include "crash_capture/vt_crash_reporter.h"
#include "crash_reports/mac_crash_report_coordinator.h"
#include "crash_reports/mac_crash_report_failure.h"
#include "base/system_error.h"
#include "foundation/capturing_event_log_sink.h"

namespace vlt {
namespace {

using Answer = CrashReportAlertAnswer;

// The service and the sheets, answered by the test; the crash log, held in memory.
struct Fakes final : MacCrashReportSubmitting, CrashReportAlertPresenting {
    void submit(const PreparedMacCrashReport& report, std::stop_token,
                MacCrashReportSubmitting::Completion done) override {
        submitted.push_back(report);
        sends.push_back(std::move(done));
    }
    void present(QWidget*, const CrashReportAlert& alert, CrashReportAlertPresenting::Completion done) override {
        alerts.push_back({alert, purges, std::move(done)});
    }

    std::optional<std::vector<std::uint8_t>> crashLog;
    // As with a folder at the crash log's path: no crash could be recorded until it goes.
    bool logBlocksCapture = false;
    int purges = 0;
    std::vector<PreparedMacCrashReport> submitted;
    std::vector<MacCrashReportSubmitting::Completion> sends;
    struct Shown {
        CrashReportAlert alert;
        int purgesBefore;
        CrashReportAlertPresenting::Completion done;
    };
    std::vector<Shown> alerts;
};

struct FakeCapture final : CrashCapturing {
    explicit FakeCapture(Fakes& fakes) : fakes(fakes) {}
    bool hasPendingCrashReport() const override { return fakes.crashLog.has_value(); }
    Result<std::vector<std::uint8_t>> loadPendingCrashReportData() const override { return *fakes.crashLog; }
    VoidResult enableCrashReporter() override {
        if (fakes.logBlocksCapture && fakes.crashLog) return makeSystemError(EISDIR, "create");
        return {};
    }
    bool purgePendingCrashReport() override { return fakes.crashLog && (fakes.crashLog.reset(), ++fakes.purges); }
    Fakes& fakes;
};

class MacCrashReportCoordinatorTest : public ::testing::Test {
protected:
    MacCrashReportCoordinator& startWith(std::optional<std::vector<std::uint8_t>> crashLog, bool debugger = false) {
        fakes->crashLog = std::move(crashLog);
        MacCrashReportCoordinator::Services services{fakes, [] { return Result<std::string>(std::string(32, 'a')); },
                                                     [this] { return std::make_unique<FakeCapture>(*fakes); },
                                                     [debugger] { return debugger; }, fakes};
        coordinator = std::make_unique<MacCrashReportCoordinator>(std::move(services));
        coordinator->start();
        coordinator->offerPendingReportIfNeeded(&window);
        return *coordinator;
    }
    void answer(Answer value) { fakes->alerts.back().done(value); }
    QString lastMessage() const { return fakes->alerts.back().alert.message; }
    std::vector<std::string> events() {
        std::vector<std::string> names;
        for (const CapturedEvent& event : log->events()) names.emplace_back(event.name());
        return names;
    }
    static std::vector<std::uint8_t> crashLog() {
        static const auto bytes = VTCrashReporter("org.veltrano.tests", "7", "1.2", {}).generateLiveReport().value();
        return bytes;
    }

    std::shared_ptr<Fakes> fakes = std::make_shared<Fakes>();
    QWidget window;
    ScopedCapturingEventLog log;
    std::unique_ptr<MacCrashReportCoordinator> coordinator;
};

TEST_F(MacCrashReportCoordinatorTest, UnderADebuggerCaptureIsSkippedButTheReportIsOfferedOnce) {
    MacCrashReportCoordinator& coordinator = startWith(crashLog(), true);
    EXPECT_EQ(events(), (std::vector<std::string>{"previous_crash_captured", "crash_reporter_skipped"}));
    const PreparedMacCrashReport& report = *coordinator.pendingReport();
    EXPECT_EQ(log->events()[0].value("report_id"), report.request.report.reportId);
    EXPECT_EQ(lastMessage(), "Veltrano encountered an unexpected error");
    EXPECT_TRUE(fakes->alerts[0].alert.information.endsWith(
        QString("Threads: %1\nUpload size: %2 KB\nSignal: SIGTRAP (TRAP_TRACE)")
            .arg(report.request.report.threads.size())
            .arg(std::llround(report.encodedBytes / 1000.0))));
    coordinator.offerPendingReportIfNeeded(&window);
    EXPECT_EQ(fakes->alerts.size(), 1u);
}

TEST_F(MacCrashReportCoordinatorTest, RetrySendsTheIdenticalReportAndSuccessPurgesBeforeTheThanks) {
    startWith(crashLog());
    answer(Answer::firstButton);
    fakes->sends.at(0)(makeMacCrashReportFailure(MacCrashReportFailure::Case::sendFailed));
    EXPECT_EQ(lastMessage(), "Crash report not sent");
    answer(Answer::firstButton);
    ASSERT_EQ(fakes->submitted.size(), 2u);
    EXPECT_EQ(fakes->submitted[1], fakes->submitted[0]);
    fakes->sends[1]({});
    EXPECT_EQ(lastMessage(), "Crash report sent");
    EXPECT_EQ(fakes->alerts.back().purgesBefore, 1);
    EXPECT_EQ(fakes->alerts.back().alert.information.toStdString(),
              "Thank you. Report ID:\n" + fakes->submitted[0].request.report.reportId);
}

TEST_F(MacCrashReportCoordinatorTest, CaptureKeptOffByWhatStoodAtTheLogsPathStartsOnceTheNoticeRemovedIt) {
    fakes->logBlocksCapture = true;
    const std::vector<std::uint8_t> unreadable = {'n', 'o', 't', ' ', 'a', ' ', 'l', 'o', 'g'};
    MacCrashReportCoordinator& coordinator = startWith(unreadable);
    EXPECT_EQ(events(), (std::vector<std::string>{"crash_reporter_failed", "crash_reporter_failed"}));
    EXPECT_EQ(log->events()[1].value("failure_code"), "enable_failed");
    EXPECT_EQ(lastMessage(), "Crash report unavailable");
    answer(Answer::firstButton);
    EXPECT_FALSE(coordinator.pendingReportIsUnavailable());
    EXPECT_EQ(events(), (std::vector<std::string>{"crash_reporter_failed", "crash_reporter_failed",
                                                  "crash_report_discarded", "crash_reporter_enabled"}));
}

}  // namespace
}  // namespace vlt
