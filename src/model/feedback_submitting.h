#pragma once

#include <functional>
#include <stop_token>

#include "model/feedback_submission_request.h"
#include "base/result.h"

namespace vlt {

// Sends feedback to the service.
class FeedbackSubmitting {
public:
    using Completion = std::function<void(VoidResult)>;

    virtual ~FeedbackSubmitting() = default;
    // `completion` runs exactly once, on the GUI thread and never inside this call:
    // success exactly when the service accepted the feedback; otherwise a
    // FeedbackSubmissionFailure, the cancellation error once `stop` was requested, or
    // (from other implementations) any error.
    virtual void submit(const FeedbackSubmissionRequest& request, std::stop_token stop, Completion completion) = 0;
};

}  // namespace vlt
