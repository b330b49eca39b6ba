#include "foundation/diagnostic_error_summary.h"

namespace vlt {

namespace {

const Error& describedError(const Error& error) {
    const auto* wrapper = dynamic_cast<const DiagnosticUnderlyingErrorProviding*>(&error);
    if (wrapper == nullptr) return error;
    const Error* underlying = wrapper->underlyingError();
    return underlying != nullptr ? *underlying : error;
}

std::string stableCodeOf(const Error& error) {
    const auto* coded = dynamic_cast<const DiagnosticCodeProviding*>(&error);
    return coded != nullptr ? coded->diagnosticCode() : DiagnosticErrorSummary::kUnexpectedCode;
}

}  // namespace

DiagnosticErrorSummary::DiagnosticErrorSummary(std::string type, std::string domain, std::int64_t code,
                                               std::string stableCode)
    : type(std::move(type)), domain(std::move(domain)), code(code), stableCode(std::move(stableCode)) {}

DiagnosticErrorSummary::DiagnosticErrorSummary(const Error& error) {
    const Error& described = describedError(error);
    type = described.typeName();
    domain = described.domain();
    code = described.code();
    stableCode = stableCodeOf(error);
}

}  // namespace vlt
