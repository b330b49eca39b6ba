// What leaves the machine: the prepared report and its delivery to the service.

#include <cstdlib>
#include <fstream>
#include <sys/resource.h>

#include <QTest>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "crash_capture/vt_crash_reporter.h"
#include "crash_reports/firebase_mac_crash_report_client.h"
#include "crash_reports/mac_crash_report_failure.h"
#include "crash_reports/prepared_mac_crash_report.h"
#include "foundation/user_perceived_text.h"
#include "support/absurd_crash_log.h"
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

// Lets the process's data grow by `bytes` beyond what it holds now, and no further.
void limitDataGrowth(std::size_t bytes) {
    std::ifstream status("/proc/self/status");
    std::size_t kilobytes = 0;
    for (std::string word; status >> word;) {
        if (word == "VmData:" && status >> kilobytes) break;
    }
    const rlim_t limit = kilobytes * 1024 + bytes;
    const rlimit data = {limit, limit};
    ::setrlimit(RLIMIT_DATA, &data);
}

// Whatever one field a log of 10 MiB gives over and over, however long its texts, its
// report is prepared in 40 MiB beyond the log's own bytes (a launch that loaded the log
// spends 50 in all), in a child process whose data can grow no further.
TEST(PreparedMacCrashReportTest, ALogThatRepeatsOneFieldIsPreparedInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's own memory knows no such bound";
#endif
    constexpr std::size_t kBudget = std::size_t{40} << 20;
    for (const auto& [situation, text] : testing::crashLogsRepeatingOneField()) {
        SCOPED_TRACE(situation);
        const std::vector<std::uint8_t> log(text.begin(), text.end());
        ASSERT_LE(log.size(), PreparedMacCrashReport::kMaximumBytes);
        ASSERT_GT(log.size(), PreparedMacCrashReport::kMaximumBytes - 4096);
        EXPECT_EXIT(
            {
                limitDataGrowth(kBudget);
                const auto prepared = PreparedMacCrashReport::make(log, std::string(32, 'a'), false);
                std::_Exit(prepared && prepared.value().request.report.threads.size() == 1 ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

// Texts are cleaned only as far as their cut reaches; the cut is the one of the whole
// cleaned text, whatever stands around where the cleaning stopped.
TEST(PreparedMacCrashReportTest, ALongTextIsCutAsIfCleanedWhole) {
    const auto times = [](const std::string& unit, int count) {
        std::string out;
        for (int index = 0; index < count; ++index) out += unit;
        return out;
    };
    const std::string accent = "\u0301", zeroWidth = "\u200B", flag = "\U0001F1EB\U0001F1F7";
    const std::string family = "\U0001F468\u200D\U0001F469\u200D\U0001F467";
    const std::string names[] = {
        times("x", 500),
        times(zeroWidth, 10000) + "tail",
        times("e" + times(accent, 100), 250),
        times("\u4E2D", 250),
        "a" + times(flag, 300),
        times(family + "\t", 250),
        times("e" + accent + zeroWidth, 400),
    };
    for (const std::string& name : names) {
        ASSERT_LT(name.size(), std::size_t{64} << 10);
        const auto log = VTCrashReporter("org.veltrano.tests", "7", "1.2", {})
                             .generateLiveReportWithException({name, "reason", {}})
                             .value();
        const auto prepared = PreparedMacCrashReport::make(log, std::string(32, 'a'), false);
        ASSERT_TRUE(prepared);
        const QString whole = QString::fromStdString(MacCrashReportPayload::sanitizedText(name));
        // Compared whole, never printed: they are long.
        EXPECT_TRUE(prepared.value().request.report.exceptionName ==
                    firstUserPerceivedCharacters(whole, 200).toStdString())
            << "a name of " << name.size() << " bytes";
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
