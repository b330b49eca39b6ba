#pragma once

#include "crash_capture/vt_crash_reporter.h"
#include "crash_reports/crash_capturing.h"

namespace vlt {

// Crash capture through the capture component's reporter.
class VTCrashCapture final : public CrashCapturing {
public:
    explicit VTCrashCapture(VTCrashReporter reporter) : reporter_(std::move(reporter)) {}

    // The application's capture: signal handlers, no symbols at crash time, uncaught
    // exceptions, 10 MiB at most, in the user's cache folder.
    static VTCrashReporterConfig applicationConfiguration();

    bool hasPendingCrashReport() const override { return reporter_.hasPendingCrashReport(); }
    Result<std::vector<std::uint8_t>> loadPendingCrashReportData() const override {
        return reporter_.loadPendingCrashReportData();
    }
    VoidResult enableCrashReporter() override { return reporter_.enableCrashReporter(); }
    bool purgePendingCrashReport() override { return reporter_.purgePendingCrashReport().ok(); }

    const VTCrashReporter& reporter() const { return reporter_; }

private:
    VTCrashReporter reporter_;
};

}  // namespace vlt
