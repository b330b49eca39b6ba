#pragma once

#include <cstdint>
#include <vector>

#include "crash_capture/vt_crash_reporter.h"
#include "crash_reports/crash_capturing.h"
#include "crash_reports/mac_crash_report_failure.h"
#include "crash_reports/mac_crash_report_submitting.h"

namespace vlt::testing {

// A crash log left by the last run, a report service that cannot be reached, and the
// purges asked of capture.
struct UnsendablePendingCrash final : MacCrashReportSubmitting, CrashCapturing {
    void submit(const PreparedMacCrashReport&, std::stop_token, Completion done) override {
        done(makeMacCrashReportFailure(MacCrashReportFailure::Case::sendFailed));
    }
    bool hasPendingCrashReport() const override { return true; }
    Result<std::vector<std::uint8_t>> loadPendingCrashReportData() const override {
        return VTCrashReporter("org.veltrano.tests", "7", "1.2", {}).generateLiveReport();
    }
    VoidResult enableCrashReporter() override { return {}; }
    bool purgePendingCrashReport() override { return ++purges, true; }
    int purges = 0;
};

// The capture the coordinator makes for itself, answering from the crash above.
struct ForwardingCrashCapture final : CrashCapturing {
    explicit ForwardingCrashCapture(UnsendablePendingCrash& crash) : crash(crash) {}
    bool hasPendingCrashReport() const override { return crash.hasPendingCrashReport(); }
    Result<std::vector<std::uint8_t>> loadPendingCrashReportData() const override {
        return crash.loadPendingCrashReportData();
    }
    VoidResult enableCrashReporter() override { return crash.enableCrashReporter(); }
    bool purgePendingCrashReport() override { return crash.purgePendingCrashReport(); }
    UnsendablePendingCrash& crash;
};

}  // namespace vlt::testing
