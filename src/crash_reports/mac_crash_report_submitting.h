#pragma once

#include <functional>
#include <stop_token>

#include "base/result.h"
#include "crash_reports/prepared_mac_crash_report.h"

namespace vlt {

// Sends a prepared crash report to the service.
class MacCrashReportSubmitting {
public:
    using Completion = std::function<void(VoidResult)>;

    virtual ~MacCrashReportSubmitting() = default;
    // `completion` runs exactly once, on the GUI thread and never inside this call:
    // success exactly when the service took the report; otherwise a MacCrashReportFailure,
    // or the cancellation error once `stop` was requested.
    virtual void submit(const PreparedMacCrashReport& report, std::stop_token stop, Completion completion) = 0;
};

}  // namespace vlt
