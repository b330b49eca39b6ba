#include "model/firebase_feedback_client.h"

#include <nlohmann/json.hpp>

#include "model/feedback_submission_failure.h"
#include "base/cancellation_error.h"
#include "foundation/decoding_error.h"
#include "platform/http/http_client.h"
#include "platform/http/json_post_request.h"
#include "platform/http/service_endpoint.h"
#include "platform/http/submission_reply.h"

namespace vlt {

namespace {

using Case = FeedbackSubmissionFailure::Case;

ErrorPtr failure(Case failureCase) { return makeError<FeedbackSubmissionFailure>(failureCase); }

nlohmann::ordered_json encode(const FeedbackSubmissionRequest& request) {
    nlohmann::ordered_json body;
    body["schemaVersion"] = request.schemaVersion;
    body["feedbackId"] = request.feedbackId.toStdString();
    body["installationId"] = request.installationId.toStdString();
    body["platform"] = request.platform.toStdString();
    body["appVersion"] = request.appVersion.toStdString();
    body["name"] = request.name.toStdString();
    body["email"] = request.email.toStdString();
    body["message"] = request.message.toStdString();
    return body;
}

std::optional<Case> failureForStatus(long status) {
    if (status >= 200 && status <= 299) return std::nullopt;
    if (status == 400) return Case::invalidFields;
    if (status == 409) return Case::retryConflict;
    if (status == 429) return Case::tooManyRequests;
    return Case::sendFailed;
}

VoidResult judge(const Result<HttpResponse>& exchange, const std::string& sentFeedbackId) {
    if (!exchange) {
        // The exchange's own cancellation stays one; every transport failure is a
        // failed send.
        if (isCancellation(exchange.error())) return makeCancellationError();
        return failure(Case::sendFailed);
    }
    if (const auto statusFailure = failureForStatus(exchange.value().statusCode)) return failure(*statusFailure);
    const Result<SubmissionReply> reply = SubmissionReply::decode(exchange.value().body, "feedbackId");
    if (!reply || !reply.value().confirms(sentFeedbackId)) return failure(Case::invalidResponse);
    return {};
}

}  // namespace

FirebaseFeedbackClient::FirebaseFeedbackClient(std::string endpoint, HttpTimeLimits limits)
    : endpoint_(std::move(endpoint)), limits_(limits) {}

std::string FirebaseFeedbackClient::defaultEndpoint() { return ServiceEndpoint::url(kPath); }

void FirebaseFeedbackClient::submit(const FeedbackSubmissionRequest& request, std::stop_token stop,
                                    Completion completion) {
    HttpRequest post = makeJsonPostRequest(endpoint_, encode(request));
    post.limits = limits_;
    HttpClient::post(std::move(post), std::move(stop),
                     [completion = std::move(completion), sent = request.feedbackId.toStdString()](
                         Result<HttpResponse> exchange) { completion(judge(exchange, sent)); });
}

}  // namespace vlt
