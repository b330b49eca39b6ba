#pragma once

#include <optional>
#include <string>

#include "base/error.h"

namespace vlt {

// Why a crash report could not be prepared or was not taken by the service. It shows no
// message of its own: the coordinator has one text for every failure.
class MacCrashReportFailure final : public Failure {
public:
    enum class Case {
        unavailable,      // no report can be made from the crash log
        tooLarge,         // crash log empty or over the limit, request over the limit, HTTP 413
        tooManyRequests,  // HTTP 429
        retryConflict,    // HTTP 409
        sendFailed,       // any other status, no connection, a time-out
        invalidResponse,  // a reply that fails the checks
    };

    explicit MacCrashReportFailure(Case failureCase) : case_(failureCase) {}

    Case failureCase() const { return case_; }

    std::string typeName() const override { return "MacCrashReportFailure"; }
    std::int64_t code() const override { return static_cast<std::int64_t>(case_); }
    std::string diagnosticCode() const override;

private:
    Case case_;
};

ErrorPtr makeMacCrashReportFailure(MacCrashReportFailure::Case failureCase);
// The case of a MacCrashReportFailure; none for any other error.
std::optional<MacCrashReportFailure::Case> macCrashReportFailureCase(const ErrorPtr& error);

}  // namespace vlt
