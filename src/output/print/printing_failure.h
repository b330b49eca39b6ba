#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/error.h"

namespace vlt {

// Why a print ended without a job; the raw values are the logged failure codes.
enum class PrintingFailureCategory {
    // The editor could not give its snapshot.
    preparation,
    // A page could not be laid out or composed.
    rendering,
    // The print system refused or broke off the job.
    operation,
};

// "print-preparation-failed", "print-render-failed", "print-operation-failed".
std::string_view printingFailureCategoryRawValue(PrintingFailureCategory category);

// A failed print: its category for the user and the log, and the error behind it for
// the log alone.
class PrintingFailure final : public Failure, public DiagnosticUnderlyingErrorProviding {
public:
    PrintingFailure(PrintingFailureCategory category, ErrorPtr underlying)
        : category_(category), underlying_(std::move(underlying)) {}

    static ErrorPtr make(PrintingFailureCategory category, ErrorPtr underlying) {
        return makeError<PrintingFailure>(category, std::move(underlying));
    }

    PrintingFailureCategory category() const { return category_; }
    const ErrorPtr& underlying() const { return underlying_; }

    std::string typeName() const override { return "PrintingFailure"; }
    std::int64_t code() const override { return static_cast<std::int64_t>(category_); }
    std::string diagnosticCode() const override { return std::string(printingFailureCategoryRawValue(category_)); }
    // The sentence of the category, the message of the print error card.
    std::string userMessage() const override;
    const Error* underlyingError() const override { return underlying_.get(); }

private:
    PrintingFailureCategory category_;
    ErrorPtr underlying_;
};

// The print system's own failure: logged under the domain and code that log readers
// already know for a broken-off job.
class PrintSystemError final : public Error {
public:
    std::string typeName() const override { return "PrintSystemError"; }
    std::string domain() const override { return kDomain; }
    std::int64_t code() const override { return kCode; }

    static constexpr const char* kDomain = "NSCocoaErrorDomain";
    static constexpr std::int64_t kCode = 3328;
};

// A PrintingFailure of category operation around a PrintSystemError.
ErrorPtr makePrintOperationFailure();

// The category of a printing failure; none for any other error.
std::optional<PrintingFailureCategory> printingFailureCategory(const ErrorPtr& error);

}  // namespace vlt
