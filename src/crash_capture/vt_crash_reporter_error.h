#pragma once

#include <cstdint>
#include <string>

#include "base/error.h"

namespace vlt {

// The codes of the crash capture component's errors.
enum class VTCrashReporterErrorCode : std::int64_t {
    otherFailure = 0,
    operatingSystemFailure = 1,
    crashLogInvalid = 2,
    alreadyEnabled = 3,
};

// An error of the crash capture component, in its own domain; the description is the
// message its callers show or log.
class VTCrashReporterError final : public Error, public DiagnosticUnderlyingErrorProviding {
public:
    static constexpr const char* kDomain = "VTCrashReporterErrorDomain";

    // `underlying` is the system's own error behind a failed call, when there is one.
    VTCrashReporterError(VTCrashReporterErrorCode code, std::string description, ErrorPtr underlying = nullptr);

    std::string typeName() const override { return "VTCrashReporterError"; }
    std::string domain() const override { return kDomain; }
    std::int64_t code() const override { return static_cast<std::int64_t>(code_); }
    const std::string& description() const { return description_; }
    const Error* underlyingError() const override { return underlying_.get(); }

private:
    VTCrashReporterErrorCode code_;
    std::string description_;
    ErrorPtr underlying_;
};

}  // namespace vlt
