#pragma once

#include <string>

#include "base/error.h"

namespace vlt {

// Why feedback was not accepted, each case with a code for the log and a message for
// the dialog.
class FeedbackSubmissionFailure final : public Failure {
public:
    enum class Case {
        tooManyRequests,  // HTTP 429
        invalidFields,    // HTTP 400
        retryConflict,    // HTTP 409
        sendFailed,       // any other status, no connection, a time-out
        invalidResponse,  // a reply that fails the checks; also a malformed identity file
    };

    explicit FeedbackSubmissionFailure(Case failureCase) : case_(failureCase) {}

    Case failureCase() const { return case_; }

    std::string typeName() const override { return "FeedbackSubmissionFailure"; }
    std::int64_t code() const override { return static_cast<std::int64_t>(case_); }
    std::string diagnosticCode() const override;
    std::string userMessage() const override;

private:
    Case case_;
};

}  // namespace vlt
