#include "app/model/firebase_feedback_client.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

#include "app/model/feedback_submission_failure.h"
#include "support/loopback_http_server.h"

namespace vlt {
namespace {

using testing::LoopbackHttpServer;
using testing::LoopbackReply;
using testing::LoopbackRequest;
using Case = FeedbackSubmissionFailure::Case;

constexpr const char* kFeedbackId = "00112233445566778899aabbccddeeff";

FeedbackSubmissionRequest request() {
    FeedbackSubmissionRequest request;
    request.feedbackId = QString::fromLatin1(kFeedbackId);
    request.installationId = QStringLiteral("ffeeddccbbaa99887766554433221100");
    request.platform = QStringLiteral("linux");
    request.appVersion = QStringLiteral("1.0.0");
    request.name = QStringLiteral("Zoë");
    request.message = QStringLiteral("Line one\nline \"two\"");
    return request;
}

QByteArray reply(const QByteArray& accepted, const QByteArray& duplicate, const QByteArray& id,
                 const QByteArray& status) {
    QByteArray body = "{";
    if (!accepted.isEmpty()) body += "\"accepted\":" + accepted + ",";
    if (!duplicate.isEmpty()) body += "\"duplicate\":" + duplicate + ",";
    body += "\"feedbackId\":\"" + id + "\",\"notificationStatus\":\"" + status + "\",\"extra\":[1]}";
    return body;
}

// The client's answer, waited for on the event loop; none when it never came.
std::optional<VoidResult> submitTo(const std::string& url, HttpTimeLimits limits = {}) {
    FirebaseFeedbackClient client(url, limits);
    std::optional<VoidResult> outcome;
    client.submit(request(), {}, [&outcome](VoidResult result) { outcome.emplace(std::move(result)); });
    const bool answered = QTest::qWaitFor([&outcome] { return outcome.has_value(); }, 10'000);
    return answered ? outcome : std::nullopt;
}

std::optional<Case> failureCaseOf(const VoidResult& outcome) {
    if (outcome.ok()) return std::nullopt;
    const auto* failure = dynamic_cast<const FeedbackSubmissionFailure*>(outcome.error().get());
    return failure != nullptr ? std::optional<Case>(failure->failureCase()) : std::nullopt;
}

TEST(FirebaseFeedbackClientTest, RepliesAreJudgedByStatusAndByAStrictReadOfTheBody) {
    const QByteArray id = kFeedbackId;
    const QByteArray valid = reply("true", "false", id, "sent");
    struct Row {
        int status;
        QByteArray body;
        std::optional<Case> expected;
    };
    const Row rows[] = {
        {201, reply("true", "true", id, "pending"), std::nullopt},
        {202, valid, std::nullopt},
        // HTTP gives a 204 no body whatever the server writes, so it confirms nothing.
        {204, valid, Case::invalidResponse},
        {200, "", Case::invalidResponse},
        {200, "accepted", Case::invalidResponse},
        {200, reply("false", "false", id, "sent"), Case::invalidResponse},
        {200, reply("true", "false", id.toUpper(), "sent"), Case::invalidResponse},
        {200, reply("true", "false", "ffeeddccbbaa99887766554433221100", "sent"), Case::invalidResponse},
        {200, reply("true", "false", id.left(31), "sent"), Case::invalidResponse},
        {200, reply("true", "false", id, "queued"), Case::invalidResponse},
        {200, reply("true", "", id, "failed"), Case::invalidResponse},
        {200, reply("\"true\"", "false", id, "sent"), Case::invalidResponse},
        {400, valid, Case::invalidFields},
        {409, valid, Case::retryConflict},
        {429, valid, Case::tooManyRequests},
        {413, valid, Case::sendFailed},
        {500, valid, Case::sendFailed},
        {302, valid, Case::sendFailed},
    };
    for (const Row& row : rows) {
        LoopbackHttpServer server;
        server.respond = [&row](const LoopbackRequest&) {
            return LoopbackReply::answer(row.status, row.body, {{"Location", "/submitFeedback"}});
        };
        const auto outcome = submitTo(server.url("/submitFeedback"));
        ASSERT_TRUE(outcome.has_value()) << row.status << " " << row.body.toStdString();
        EXPECT_EQ(outcome->ok(), !row.expected.has_value()) << row.status << " " << row.body.toStdString();
        EXPECT_EQ(failureCaseOf(*outcome), row.expected) << row.status << " " << row.body.toStdString();
        EXPECT_EQ(server.requests().size(), 1u);
    }
}

TEST(FirebaseFeedbackClientTest, TheRequestIsOnePostOfTheEightKeysInOrder) {
    LoopbackHttpServer server;
    server.respond = [](const LoopbackRequest&) {
        return LoopbackReply::answer(200, reply("true", "false", kFeedbackId, "sent"));
    };
    ASSERT_TRUE(submitTo(server.url("/submitFeedback")).value().ok());

    ASSERT_EQ(server.requests().size(), 1u);
    const LoopbackRequest& received = server.requests()[0];
    EXPECT_EQ(received.path, "/submitFeedback");
    EXPECT_EQ(received.header("content-type"), "application/json");
    const QJsonObject body = QJsonDocument::fromJson(received.body).object();
    EXPECT_EQ(body.value("schemaVersion").toInt(), 1);
    EXPECT_EQ(body.value("name").toString(), QStringLiteral("Zoë"));
    EXPECT_EQ(body.value("email").toString(), QString());
    EXPECT_EQ(body.value("message").toString(), QStringLiteral("Line one\nline \"two\""));
    QStringList keys;
    for (const QByteArray& part : received.body.split(',')) {
        if (part.contains(":")) keys.append(QString::fromUtf8(part.mid(part.indexOf('"') + 1).split('"').value(0)));
    }
    EXPECT_EQ(keys, (QStringList{"schemaVersion", "feedbackId", "installationId", "platform", "appVersion", "name",
                                 "email", "message"}));
}

TEST(FirebaseFeedbackClientTest, NoConnectionAndASilentServerAreFailedSends) {
    LoopbackHttpServer silent;
    silent.respond = [](const LoopbackRequest&) { return LoopbackReply::silence(); };
    const std::string refused = "http://127.0.0.1:" + std::to_string(LoopbackHttpServer::closedPort()) + "/x";
    const HttpTimeLimits shortLimits{std::chrono::milliseconds(300), std::chrono::seconds(1)};
    for (const std::string& url : {refused, silent.url("/submitFeedback")}) {
        const auto outcome = submitTo(url, shortLimits);
        ASSERT_TRUE(outcome.has_value()) << url;
        EXPECT_EQ(failureCaseOf(*outcome), Case::sendFailed) << url;
    }
}

}  // namespace
}  // namespace vlt
