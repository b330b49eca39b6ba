// What leaves the machine: the prepared report and its delivery to the service.

#include <QTest>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "crash_capture/vt_crash_reporter.h"
#include "crash_reports/firebase_mac_crash_report_client.h"
#include "crash_reports/mac_crash_report_failure.h"
#include "crash_reports/prepared_mac_crash_report.h"
#include "support/loopback_http_server.h"

namespace vlt {
namespace {

using Case = MacCrashReportFailure::Case;

// A live report of this process, padded by an unknown field (which a reader skips) to
// exactly `size` bytes: a key byte, a four-byte length, zeros.
std::vector<std::uint8_t> liveReportOfSize(std::size_t size) {
    std::vector<std::uint8_t> bytes =
        VTCrashReporter("org.veltrano.tests", "7", "1.2", {}).generateLiveReport().value();
    const std::size_t padding = size - bytes.size() - 5;
    bytes.push_back((15 << 3) | 2);
    for (int shift = 0; shift < 28; shift += 7) bytes.push_back(((padding >> shift) & 0x7F) | (shift < 21 ? 0x80 : 0));
    bytes.resize(size, 0);
    return bytes;
}

TEST(PreparedMacCrashReportTest, LogsOfTheWrongSizeOrFormAreRefused) {
    const std::pair<std::vector<std::uint8_t>, std::optional<Case>> rows[] = {
        {{}, Case::tooLarge},
        {liveReportOfSize(PreparedMacCrashReport::kMaximumBytes), std::nullopt},
        {liveReportOfSize(PreparedMacCrashReport::kMaximumBytes + 1), Case::tooLarge},
    };
    for (const auto& [bytes, failure] : rows) {
        const auto prepared = PreparedMacCrashReport::make(bytes, std::string(32, 'a'), false);
        EXPECT_EQ(prepared ? std::nullopt : macCrashReportFailureCase(prepared.error()), failure) << bytes.size();
    }
}

TEST(PreparedMacCrashReportTest, TextsLoseControlCharactersAndImageIdentifiersTakeOneForm) {
    EXPECT_EQ(MacCrashReportPayload::sanitizedText("a\tb\u200Bc\u2028d\u00E9"), "abcd\u00E9");
    EXPECT_EQ(MacCrashReportPayload::normalizedImageUUID("0123456789ABCDEF0123456789ABCDEF"),
              "01234567-89ab-cdef-0123-456789abcdef");
    EXPECT_EQ(MacCrashReportPayload::normalizedImageUUID("0123456789abcdef0123456789abcde"), std::nullopt);
    EXPECT_EQ(MacCrashReportPayload::reportIdentifier(std::vector<std::uint8_t>{'a', 'b', 'c'}),
              "ba7816bf8f01cfea414140de5dae2223");
}

TEST(FirebaseMacCrashReportClientTest, StatusesAndRepliesMapToTheirFailures) {
    const auto log = VTCrashReporter("org.veltrano.tests", "7", "1.2", {}).generateLiveReport().value();
    const PreparedMacCrashReport report = PreparedMacCrashReport::make(log, std::string(32, 'c'), false).value();
    const auto reply = [](const std::string& id, const char* accepted = "true") {
        return QByteArray::fromStdString(R"({"accepted":)" + std::string(accepted) +
                                         R"(,"duplicate":true,"reportId":")" + id +
                                         R"(","notificationStatus":"pending"})");
    };
    const std::string id = report.request.report.reportId;
    const std::tuple<int, QByteArray, std::optional<Case>> rows[] = {
        {201, reply(id), std::nullopt},
        {200, reply(id, "false"), Case::invalidResponse},
        {200, reply(std::string(32, 'd')), Case::invalidResponse},
        {413, reply(id), Case::tooLarge},
        {429, reply(id), Case::tooManyRequests},
        {500, reply(id), Case::sendFailed},
    };
    for (const auto& [status, body, expected] : rows) {
        testing::LoopbackHttpServer server;
        server.respond = [&](const testing::LoopbackRequest&) { return testing::LoopbackReply::with(status, body); };
        std::optional<VoidResult> outcome;
        FirebaseMacCrashReportClient(server.url(FirebaseMacCrashReportClient::kPath))
            .submit(report, {}, [&outcome](VoidResult result) { outcome.emplace(result); });
        ASSERT_TRUE(QTest::qWaitFor([&outcome] { return outcome.has_value(); }, 10'000));
        EXPECT_EQ(outcome->ok() ? std::nullopt : macCrashReportFailureCase(outcome->error()), expected) << status;
        ASSERT_EQ(server.requests.size(), 1u);
        EXPECT_TRUE(server.requests[0].headerLines.contains("content-type: application/json"));
        EXPECT_EQ(server.requests[0].body.toStdString(), toJson(report.request).dump());
    }
}

}  // namespace
}  // namespace vlt
