#pragma once

#include <cstdint>
#include <stdexcept>
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

// What the component throws when it is used wrongly in a way a caller can catch: a
// reporter that is asked to change after it was enabled, or that cannot name the
// application. Uncaught, it ends the process like any other exception, and the crash log
// records it under its name.
class VTCrashReporterException final : public std::logic_error {
public:
    static constexpr const char* kName = "VTCrashReporterException";

    explicit VTCrashReporterException(const std::string& reason) : std::logic_error(reason) {}

    const char* name() const { return kName; }
    const char* reason() const { return what(); }
};

}  // namespace vlt
