#include "model/feedback_submission_failure.h"

#include "foundation/localized_string.h"

namespace vlt {

std::string FeedbackSubmissionFailure::diagnosticCode() const {
    switch (case_) {
    case Case::tooManyRequests:
        return "feedback_rate_limited";
    case Case::invalidFields:
        return "feedback_invalid_fields";
    case Case::retryConflict:
        return "feedback_retry_conflict";
    case Case::sendFailed:
        return "feedback_send_failed";
    case Case::invalidResponse:
        return "feedback_invalid_response";
    }
    return {};
}

std::string FeedbackSubmissionFailure::userMessage() const {
    switch (case_) {
    case Case::tooManyRequests:
        return localizedStdString("Too many feedback messages were submitted. Please try again later.");
    case Case::invalidFields:
        return localizedStdString("The feedback could not be sent because one or more fields are invalid.");
    case Case::retryConflict:
        return localizedStdString("The feedback could not be safely retried. Close this dialog and try again.");
    case Case::sendFailed:
        return localizedStdString("The feedback could not be sent. Check the internet connection and try again.");
    case Case::invalidResponse:
        return localizedStdString("The feedback service returned an invalid response.");
    }
    return {};
}

}  // namespace vlt
