#pragma once

#include <string>

#include "model/feedback_submitting.h"
#include "platform/http/http_request.h"

namespace vlt {

// Posts feedback as JSON to the service's "/submitFeedback" and checks the reply
// strictly: 400, 409 and 429 have their own failures, every other status outside
// 2xx and every transport failure is sendFailed, and a 2xx reply that does not confirm
// the very feedbackId that was sent is invalidResponse.
class FirebaseFeedbackClient final : public FeedbackSubmitting {
public:
    explicit FirebaseFeedbackClient(std::string endpoint = defaultEndpoint(), HttpTimeLimits limits = {});

    void submit(const FeedbackSubmissionRequest& request, std::stop_token stop, Completion completion) override;

    const std::string& endpoint() const { return endpoint_; }

    // "/submitFeedback" on the services' base address.
    static std::string defaultEndpoint();
    static constexpr const char* kPath = "/submitFeedback";

private:
    const std::string endpoint_;
    const HttpTimeLimits limits_;
};

}  // namespace vlt
