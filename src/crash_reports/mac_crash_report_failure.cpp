#include "crash_reports/mac_crash_report_failure.h"

namespace vlt {

std::string MacCrashReportFailure::diagnosticCode() const {
    switch (case_) {
    case Case::unavailable:
        return "crash_report_unavailable";
    case Case::tooLarge:
        return "crash_report_too_large";
    case Case::tooManyRequests:
        return "crash_report_rate_limited";
    case Case::retryConflict:
        return "crash_report_retry_conflict";
    case Case::sendFailed:
        return "crash_report_send_failed";
    case Case::invalidResponse:
        return "crash_report_invalid_response";
    }
    return "crash_report_send_failed";
}

ErrorPtr makeMacCrashReportFailure(MacCrashReportFailure::Case failureCase) {
    return makeError<MacCrashReportFailure>(failureCase);
}

std::optional<MacCrashReportFailure::Case> macCrashReportFailureCase(const ErrorPtr& error) {
    const auto* failure = dynamic_cast<const MacCrashReportFailure*>(error.get());
    if (failure == nullptr) return std::nullopt;
    return failure->failureCase();
}

}  // namespace vlt
