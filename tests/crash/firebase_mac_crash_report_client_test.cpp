#include "crash/firebase_mac_crash_report_client.h"

#include <QTest>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "crash/mac_crash_report_failure.h"
#include "crash/sample_crash_log.h"
#include "support/loopback_http_server.h"

namespace vlt {
namespace {

using testing::LoopbackHttpServer;
using testing::LoopbackReply;
using Case = MacCrashReportFailure::Case;

PreparedMacCrashReport sampleReport() {
    testing::SampleCrashLog log;
    log.images = {{0x1000, 0x100, "/usr/bin/veltrano", {}}};
    log.threads = {{0, true, {0x1010}, {{"rip", 0x1010}}}};
    return PreparedMacCrashReport::make(log.bytes(), std::string(32, 'c'), false).value();
}

QByteArray reply(const std::string& reportId, const char* accepted = "true") {
    return QByteArray("{\"accepted\":") + accepted + ",\"duplicate\":true,\"reportId\":\"" + reportId.c_str() +
           "\",\"notificationStatus\":\"pending\"}";
}

TEST(FirebaseMacCrashReportClientTest, StatusesAndRepliesMapToTheirFailures) {
    const PreparedMacCrashReport report = sampleReport();
    const std::string id = report.request.report.reportId;
    const std::pair<LoopbackReply, std::optional<Case>> rows[] = {
        {LoopbackReply::with(201, reply(id)), std::nullopt},
        {LoopbackReply::with(200, reply(id, "false")), Case::invalidResponse},
        {LoopbackReply::with(200, reply(std::string(32, 'd'))), Case::invalidResponse},
        {LoopbackReply::with(413, reply(id)), Case::tooLarge},
        {LoopbackReply::with(409, reply(id)), Case::retryConflict},
        {LoopbackReply::with(429, reply(id)), Case::tooManyRequests},
        {LoopbackReply::with(500, reply(id)), Case::sendFailed},
    };
    for (const auto& [answer, expected] : rows) {
        LoopbackHttpServer server;
        server.respond = [&answer](const testing::LoopbackRequest&) { return answer; };
        std::optional<VoidResult> outcome;
        FirebaseMacCrashReportClient(server.url(FirebaseMacCrashReportClient::kPath))
            .submit(report, {}, [&outcome](VoidResult result) { outcome.emplace(result); });
        ASSERT_TRUE(QTest::qWaitFor([&outcome] { return outcome.has_value(); }, 10'000));
        EXPECT_EQ(outcome->ok() ? std::nullopt : macCrashReportFailureCase(outcome->error()), expected)
            << answer.status;
        ASSERT_EQ(server.requests.size(), 1u);
        EXPECT_EQ(server.requests[0].path, FirebaseMacCrashReportClient::kPath);
        EXPECT_TRUE(server.requests[0].headerLines.contains("content-type: application/json"));
        EXPECT_EQ(server.requests[0].body.toStdString(), toJson(report.request).dump());
    }
}

}  // namespace
}  // namespace vlt
