#pragma once

#include <cstdint>
#include <string>

#include "base/error.h"

namespace vlt {

// What the log records about a failure. type, domain and code describe the error
// that a wrapper hands on (one level only), stableCode is the code of the failure
// as given, so a log reader sees both the system's case and the platform's cause.
struct DiagnosticErrorSummary {
    std::string type;
    std::string domain;
    std::int64_t code = 0;
    std::string stableCode;

    DiagnosticErrorSummary() = default;
    DiagnosticErrorSummary(std::string type, std::string domain, std::int64_t code, std::string stableCode);
    explicit DiagnosticErrorSummary(const Error& error);

    bool operator==(const DiagnosticErrorSummary&) const = default;

    // The stable code of an error that names none.
    static constexpr const char* kUnexpectedCode = "unexpected";
};

}  // namespace vlt
