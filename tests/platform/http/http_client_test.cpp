#include "platform/http/http_client.h"

#include <QTest>
#include <gtest/gtest.h>
#include <optional>

#include "base/cancellation_error.h"
#include "platform/http/http_transport_error.h"
#include "support/loopback_http_server.h"

namespace vlt {
namespace {

using testing::LoopbackHttpServer;
using testing::LoopbackReply;
using testing::LoopbackRequest;

constexpr int kWaitMilliseconds = 10'000;

// Posts and runs the event loop until the completion has run (once).
struct Exchange {
    std::optional<Result<HttpResponse>> outcome;
    int completions = 0;
    bool completedInsideCall = false;

    void post(HttpRequest request, std::stop_token stop = {}) {
        HttpClient::post(std::move(request), std::move(stop), [this](Result<HttpResponse> result) {
            ++completions;
            outcome.emplace(std::move(result));
        });
        completedInsideCall = completions > 0;
    }
    bool wait() {
        return QTest::qWaitFor([this] { return completions > 0; }, kWaitMilliseconds);
    }
};

HttpRequest requestTo(const std::string& url, std::string body = "{\"a\":1}") {
    HttpRequest request;
    request.url = url;
    request.headers = {"Content-Type: application/json"};
    request.body = std::move(body);
    return request;
}

TEST(HttpClientTest, AnswersEveryStatusWithItsBodyAndFollowsNoRedirect) {
    struct Case {
        int status;
        QByteArray body;
    };
    const Case cases[] = {{201, "{\"ok\":true}"}, {204, ""}, {302, "moved"}, {500, "broken"}};
    for (const Case& item : cases) {
        LoopbackHttpServer server;
        server.respond = [&item](const LoopbackRequest& request) {
            if (request.path == "/elsewhere") return LoopbackReply::answer(200, "followed");
            return LoopbackReply::answer(item.status, item.body, {{"Location", "/elsewhere"}});
        };
        Exchange exchange;
        exchange.post(requestTo(server.url("/submit"), std::string(2000, 'x')));
        ASSERT_TRUE(exchange.wait()) << item.status;

        EXPECT_FALSE(exchange.completedInsideCall);
        ASSERT_TRUE(exchange.outcome->ok()) << item.status;
        EXPECT_EQ(exchange.outcome->value().statusCode, item.status);
        EXPECT_EQ(exchange.outcome->value().body, item.body.toStdString());
        ASSERT_EQ(server.requests().size(), 1u) << item.status;
        const LoopbackRequest& received = server.requests()[0];
        EXPECT_EQ(received.method, "POST");
        EXPECT_EQ(received.path, "/submit");
        EXPECT_EQ(received.header("content-type"), "application/json");
        // A body this size would otherwise be held back for a go-ahead.
        EXPECT_FALSE(received.hasHeader("expect"));
        EXPECT_FALSE(received.hasHeader("cookie"));
        EXPECT_EQ(received.body, QByteArray(2000, 'x'));
    }
    QTest::qWait(50);
}

TEST(HttpClientTest, TransportFailuresEndWithTheirKind) {
    using Kind = HttpTransportError::Kind;
    LoopbackHttpServer silent;
    silent.respond = [](const LoopbackRequest&) { return LoopbackReply::silence(); };
    LoopbackHttpServer talkative;
    talkative.respond = [](const LoopbackRequest&) { return LoopbackReply::answer(200, QByteArray(4096, 'y')); };

    struct Case {
        const char* situation;
        HttpRequest request;
        Kind expected;
    };
    HttpRequest refused = requestTo("http://127.0.0.1:" + std::to_string(LoopbackHttpServer::closedPort()) + "/x");
    HttpRequest unanswered = requestTo(silent.url("/x"));
    unanswered.limits.wholeExchange = std::chrono::milliseconds(300);
    HttpRequest oversized = requestTo(talkative.url("/x"));
    oversized.maximumResponseBytes = 1024;
    const Case cases[] = {{"refused connection", refused, Kind::couldNotConnect},
                          {"silent server", unanswered, Kind::timedOut},
                          {"oversized reply", oversized, Kind::responseTooLarge}};
    for (const Case& item : cases) {
        Exchange exchange;
        exchange.post(item.request);
        ASSERT_TRUE(exchange.wait()) << item.situation;
        ASSERT_FALSE(exchange.outcome->ok()) << item.situation;
        const auto* error = dynamic_cast<const HttpTransportError*>(exchange.outcome->error().get());
        ASSERT_NE(error, nullptr) << item.situation;
        EXPECT_EQ(error->kind(), item.expected) << item.situation << ": " << error->detail();
    }
}

TEST(HttpClientTest, AStopEndsAWaitingExchangeWithTheCancellationErrorOnce) {
    LoopbackHttpServer silent;
    silent.respond = [](const LoopbackRequest&) { return LoopbackReply::silence(); };
    std::stop_source stop;
    Exchange exchange;
    exchange.post(requestTo(silent.url("/x")), stop.get_token());
    ASSERT_TRUE(QTest::qWaitFor([&silent] { return !silent.requests().empty(); }, kWaitMilliseconds));

    stop.request_stop();
    ASSERT_TRUE(exchange.wait());
    EXPECT_TRUE(isCancellation(exchange.outcome->error()));
    QTest::qWait(100);
    EXPECT_EQ(exchange.completions, 1);

    Exchange alreadyStopped;
    alreadyStopped.post(requestTo(silent.url("/x")), stop.get_token());
    ASSERT_TRUE(alreadyStopped.wait());
    EXPECT_TRUE(isCancellation(alreadyStopped.outcome->error()));
    EXPECT_EQ(silent.requests().size(), 1u);
}

}  // namespace
}  // namespace vlt
