#include "crash_reports/firebase_mac_crash_report_client.h"

#include <nlohmann/json.hpp>

#include "base/cancellation_error.h"
#include "crash_reports/mac_crash_report_failure.h"
#include "platform/http/http_client.h"
#include "platform/http/json_post_request.h"
#include "platform/http/service_endpoint.h"
#include "platform/http/submission_reply.h"

namespace vlt {

namespace {

using Case = MacCrashReportFailure::Case;

std::optional<Case> failureForStatus(long status) {
    if (status >= 200 && status <= 299) return std::nullopt;
    if (status == 429) return Case::tooManyRequests;
    if (status == 413) return Case::tooLarge;
    if (status == 409) return Case::retryConflict;
    return Case::sendFailed;
}

VoidResult judge(const Result<HttpResponse>& exchange, const std::string& sentReportId) {
    if (!exchange) {
        if (isCancellation(exchange.error())) return makeCancellationError();
        return makeMacCrashReportFailure(Case::sendFailed);
    }
    if (const auto statusFailure = failureForStatus(exchange.value().statusCode)) {
        return makeMacCrashReportFailure(*statusFailure);
    }
    const Result<SubmissionReply> reply = SubmissionReply::decode(exchange.value().body, "reportId");
    if (!reply || !reply.value().confirms(sentReportId)) return makeMacCrashReportFailure(Case::invalidResponse);
    return {};
}

}  // namespace

FirebaseMacCrashReportClient::FirebaseMacCrashReportClient(std::string endpoint, HttpTimeLimits limits)
    : endpoint_(std::move(endpoint)), limits_(limits) {}

std::string FirebaseMacCrashReportClient::defaultEndpoint() { return ServiceEndpoint::url(kPath); }

void FirebaseMacCrashReportClient::submit(const PreparedMacCrashReport& report, std::stop_token stop,
                                          Completion completion) {
    // Encoded anew: the encoding made while preparing kept only its length.
    HttpRequest post = makeJsonPostRequest(endpoint_, toJson(report.request));
    post.limits = limits_;
    HttpClient::post(std::move(post), std::move(stop),
                     [completion = std::move(completion), sent = report.request.report.reportId](
                         Result<HttpResponse> exchange) { completion(judge(exchange, sent)); });
}

}  // namespace vlt
