#include "platform/http/http_client.h"

#include <QTest>
#include <gtest/gtest.h>
#include <optional>

#include "base/cancellation_error.h"
#include "platform/http/http_transport_error.h"
#include "support/loopback_http_server.h"

namespace vlt {
namespace {

TEST(HttpClientTest, FailedExchangesEndWithTheirKindOrAsCancelled) {
    using Kind = HttpTransportError::Kind;
    testing::LoopbackHttpServer server;  // answers "/big" with 4 KB, anything else never
    server.respond = [](const testing::LoopbackRequest& request) {
        return testing::LoopbackReply::with(request.path == "/big" ? 200 : 0, QByteArray(4096, 'y'));
    };
    const auto post = [](std::string url, std::string body, int wholeMilliseconds = 30'000) {
        HttpRequest request;
        request.url = std::move(url);
        request.body = std::move(body);
        request.limits.wholeExchange = std::chrono::milliseconds(wholeMilliseconds);
        request.maximumResponseBytes = 1024;
        return request;
    };
    const std::tuple<HttpRequest, std::optional<Kind>> cases[] = {
        {post(testing::LoopbackHttpServer::closedUrl(), ""), Kind::couldNotConnect},
        {post(server.url("/"), std::string(2000, 'x'), 300), Kind::timedOut},
        {post(server.url("/big"), ""), Kind::responseTooLarge},
        {post(server.url("/"), ""), std::nullopt},  // stopped by the caller
    };
    for (const auto& [request, kind] : cases) {
        std::stop_source stop;
        std::optional<Result<HttpResponse>> outcome;
        HttpClient::post(request, stop.get_token(), [&](Result<HttpResponse> result) { outcome.emplace(result); });
        EXPECT_FALSE(outcome.has_value());
        if (!kind) stop.request_stop();
        ASSERT_TRUE(QTest::qWaitFor([&outcome] { return outcome.has_value(); }, 10'000)) << request.url;
        const auto* error = dynamic_cast<const HttpTransportError*>(outcome->error().get());
        EXPECT_EQ(error ? std::optional(error->kind()) : std::nullopt, kind) << request.url;
        EXPECT_EQ(isCancellation(outcome->error()), !kind.has_value()) << request.url;
    }
    // The 2 KB body went at once, without waiting for a go-ahead.
    EXPECT_FALSE(server.requests[0].headerLines.contains("expect: 100-continue"));
    EXPECT_EQ(server.requests[0].body.size(), 2000);
}

}  // namespace
}  // namespace vlt
