// The feedback service's reply is whatever came back over the network: any bytes decode
// or fail cleanly, what decodes reads back unchanged from its own JSON, and a reply
// confirms no feedback but the one it names.
#include <nlohmann/json.hpp>

#include "fuzz_support.h"
#include "platform/http/submission_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto reply = vlt::SubmissionReply::decode({reinterpret_cast<const char*>(data), size}, "feedbackId");
    if (!reply) return 0;
    const vlt::SubmissionReply& got = reply.value();
    const nlohmann::json own = {{"accepted", got.accepted},
                                {"duplicate", got.duplicate},
                                {"feedbackId", got.identifier},
                                {"notificationStatus", got.notificationStatus}};
    const auto again = vlt::SubmissionReply::decode(own.dump(), "feedbackId");
    vlt::fuzz::check(again && again.value().accepted == got.accepted && again.value().duplicate == got.duplicate &&
                         again.value().identifier == got.identifier &&
                         again.value().notificationStatus == got.notificationStatus,
                     "a reply reads back from its own JSON");
    vlt::fuzz::check(!got.confirms(got.identifier + "0"), "a reply confirms no feedback but the one it names");
    return 0;
}
