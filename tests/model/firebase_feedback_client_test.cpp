#include "model/firebase_feedback_client.h"

#include <QTest>
#include <gtest/gtest.h>
#include <optional>

#include "model/feedback_submission_failure.h"
#include "support/loopback_http_server.h"

namespace vlt {
namespace {

using testing::LoopbackHttpServer;
using testing::LoopbackReply;
using Case = FeedbackSubmissionFailure::Case;

const QByteArray kId = "00112233445566778899aabbccddeeff";

// The failure the client reported, none for success.
std::optional<Case> submitTo(const std::string& url, HttpTimeLimits limits = {}) {
    FeedbackSubmissionRequest request{
        1, kId, "ffeeddccbbaa99887766554433221100", "linux", "1.0.0", "Zoë", "", "Line \"two\"\n"};
    std::optional<VoidResult> outcome;
    FirebaseFeedbackClient(url, limits).submit(request, {}, [&outcome](VoidResult result) { outcome.emplace(result); });
    EXPECT_TRUE(QTest::qWaitFor([&outcome] { return outcome.has_value(); }, 10'000)) << url;
    if (!outcome || outcome->ok()) return std::nullopt;
    return dynamic_cast<const FeedbackSubmissionFailure&>(*outcome->error()).failureCase();
}

QByteArray reply(const QByteArray& id, const QByteArray& status = "sent", const QByteArray& accepted = "true",
                 const QByteArray& duplicate = "\"duplicate\":false,") {
    return "{\"accepted\":" + accepted + "," + duplicate + "\"feedbackId\":\"" + id + "\",\"notificationStatus\":\"" +
           status + "\",\"more\":[1]}";
}

TEST(FirebaseFeedbackClientTest, RepliesAreJudgedByStatusThenByAStrictReadOfTheBody) {
    const std::pair<LoopbackReply, std::optional<Case>> rows[] = {
        {LoopbackReply::with(201, reply(kId, "pending", "true", "\"duplicate\":true,")), std::nullopt},
        // HTTP gives a 204 no body whatever the server writes, so it confirms nothing.
        {LoopbackReply::with(204, reply(kId)), Case::invalidResponse},
        {LoopbackReply::with(200, ""), Case::invalidResponse},
        {LoopbackReply::with(200, "accepted"), Case::invalidResponse},
        {LoopbackReply::with(200, reply(kId, "sent", "false")), Case::invalidResponse},
        {LoopbackReply::with(200, reply(kId, "sent", "\"true\"")), Case::invalidResponse},
        {LoopbackReply::with(200, reply(kId.toUpper())), Case::invalidResponse},
        {LoopbackReply::with(200, reply("ffeeddccbbaa99887766554433221100")), Case::invalidResponse},
        {LoopbackReply::with(200, reply(kId.left(31))), Case::invalidResponse},
        {LoopbackReply::with(200, reply(kId, "queued")), Case::invalidResponse},
        {LoopbackReply::with(200, reply(kId, "sent", "true", "")), Case::invalidResponse},
        {LoopbackReply::with(400, reply(kId)), Case::invalidFields},
        {LoopbackReply::with(409, reply(kId)), Case::retryConflict},
        {LoopbackReply::with(429, reply(kId)), Case::tooManyRequests},
        {LoopbackReply::with(413, reply(kId)), Case::sendFailed},
        {LoopbackReply::with(500, reply(kId)), Case::sendFailed},
        {LoopbackReply::with(302, reply(kId), "/submitFeedback"), Case::sendFailed},
    };
    for (const auto& [answer, expected] : rows) {
        LoopbackHttpServer server;
        server.respond = [&answer](const testing::LoopbackRequest&) { return answer; };
        EXPECT_EQ(submitTo(server.url("/submitFeedback")), expected) << answer.status << " " << answer.body.data();
        ASSERT_EQ(server.requests.size(), 1u);
        EXPECT_TRUE(server.requests[0].headerLines.contains("content-type: application/json"));
        EXPECT_EQ(server.requests[0].body.toStdString(),
                  R"({"schemaVersion":1,"feedbackId":"00112233445566778899aabbccddeeff",)"
                  R"("installationId":"ffeeddccbbaa99887766554433221100","platform":"linux","appVersion":"1.0.0",)"
                  R"("name":"Zoë","email":"","message":"Line \"two\"\n"})");
    }
}

TEST(FirebaseFeedbackClientTest, NoConnectionAndASilentServerAreFailedSends) {
    LoopbackHttpServer silent;
    for (const std::string& url : {LoopbackHttpServer::closedUrl(), silent.url("/submitFeedback")}) {
        EXPECT_EQ(submitTo(url, {std::chrono::milliseconds(300), std::chrono::seconds(1)}), Case::sendFailed) << url;
    }
}

}  // namespace
}  // namespace vlt
