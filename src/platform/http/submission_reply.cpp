#include "platform/http/submission_reply.h"

#include <nlohmann/json.hpp>

#include "foundation/json_object_fields.h"
#include "foundation/lowercase_hex.h"

namespace vlt {

namespace {

bool isKnownNotificationStatus(std::string_view status) {
    return status == "sent" || status == "failed" || status == "pending";
}

}  // namespace

Result<SubmissionReply> SubmissionReply::decode(std::string_view body, const char* identifierKey) {
    auto object = parseJsonObject(body);
    if (!object) return object.error();
    auto accepted = requiredJsonBool(object.value(), "accepted");
    if (!accepted) return accepted.error();
    auto duplicate = requiredJsonBool(object.value(), "duplicate");
    if (!duplicate) return duplicate.error();
    auto identifier = requiredJsonString(object.value(), identifierKey);
    if (!identifier) return identifier.error();
    auto status = requiredJsonString(object.value(), "notificationStatus");
    if (!status) return status.error();
    return SubmissionReply{accepted.value(), duplicate.value(), std::move(identifier).value(),
                           std::move(status).value()};
}

bool SubmissionReply::confirms(std::string_view sentIdentifier) const {
    return accepted && identifier == sentIdentifier && isLowercaseHexIdentifier(identifier) &&
           isKnownNotificationStatus(notificationStatus);
}

}  // namespace vlt
