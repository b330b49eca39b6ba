#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "crash/mac_crash_report_failure.h"
#include "crash/prepared_mac_crash_report.h"
#include "crash/sample_crash_log.h"

namespace vlt {
namespace {

using testing::SampleCrashLog;
using testing::SampleThread;
using Case = MacCrashReportFailure::Case;

constexpr const char* kInstallation = "0123456789abcdef0123456789abcdef";

SampleCrashLog logWithThreads(std::size_t count, std::size_t crashedIndex, std::size_t frames) {
    SampleCrashLog log;
    log.images = {{0x1000, 0x1000, "/usr/bin/veltrano", std::vector<std::uint8_t>(16, 0xAB)}};
    for (std::size_t index = 0; index < count; ++index) {
        SampleThread thread{static_cast<std::uint32_t>(index), index == crashedIndex, {}, {}};
        for (std::size_t frame = 0; frame < frames; ++frame) thread.frames.push_back(0x1000 + frame);
        log.threads.push_back(thread);
    }
    return log;
}

std::optional<Case> failureOf(const std::vector<std::uint8_t>& bytes) {
    const auto prepared = PreparedMacCrashReport::make(bytes, kInstallation, false);
    return prepared ? std::nullopt : macCrashReportFailureCase(prepared.error());
}

// Pads the log's custom data (a key byte, a four-byte length, the bytes) up to `size` bytes.
std::vector<std::uint8_t> logOfSize(std::size_t size) {
    SampleCrashLog log = logWithThreads(1, 0, 1);
    log.customData.assign(size - log.bytes().size() - 5, 0);
    std::vector<std::uint8_t> bytes = log.bytes();
    EXPECT_EQ(bytes.size(), size);
    return bytes;
}

TEST(PreparedMacCrashReportTest, RefusesLogsOfTheWrongSizeOrShape) {
    SampleCrashLog twoCrashed = logWithThreads(3, 0, 2);
    twoCrashed.threads[2].crashed = true;
    const std::vector<std::uint8_t> corrupt{'v', 't', 'c', 'r', 'a', 's', 'h', 1, 0xFF, 0xFF};
    const struct {
        const char* situation;
        std::vector<std::uint8_t> bytes;
        std::optional<Case> failure;
    } cases[] = {
        {"empty", {}, Case::tooLarge},
        {"exactly 10 MiB", logOfSize(PreparedMacCrashReport::kMaximumBytes), std::nullopt},
        {"one byte more", logOfSize(PreparedMacCrashReport::kMaximumBytes + 1), Case::tooLarge},
        {"undecodable", corrupt, Case::unavailable},
        {"two crashed threads", twoCrashed.bytes(), Case::unavailable},
        {"no crashed thread", logWithThreads(3, 9, 2).bytes(), Case::unavailable},
        {"a crashed thread without frames", logWithThreads(3, 1, 0).bytes(), Case::unavailable},
    };
    for (const auto& test : cases) EXPECT_EQ(failureOf(test.bytes), test.failure) << test.situation;
}

TEST(PreparedMacCrashReportTest, KeepsOnlyWhatASymbolicationNeeds) {
    SampleCrashLog log = logWithThreads(100, 50, 3);
    for (int index = 0; index < 70; ++index)
        log.threads[50].registers.push_back({"r\x01" + std::to_string(index), 255});
    log.threads[50].frames.push_back(0x9000);
    log.images.push_back({0x8000, 0x2000, "/usr/lib/x86_64-linux-gnu/libc.so.6", {}});
    log.images.push_back({0x7000, 0x10, "", {1, 2, 3}});
    log.exception = {{"std::runtime_error", "secret path /home/ana/holiday.png"}};
    const std::vector<std::uint8_t> bytes = log.bytes();

    const auto prepared = PreparedMacCrashReport::make(bytes, kInstallation, true);
    ASSERT_TRUE(prepared);
    const MacCrashReportPayload& payload = prepared.value().request.report;
    const std::string encoded = toJson(prepared.value().request).dump();
    EXPECT_EQ(prepared.value().encodedBytes, static_cast<std::int64_t>(encoded.size()));
    EXPECT_EQ(encoded.find("holiday"), std::string::npos);
    EXPECT_EQ(encoded.find("/usr"), std::string::npos);
    EXPECT_EQ(payload.reportId, MacCrashReportPayload::reportIdentifier(bytes));
    EXPECT_EQ(payload.reportId.size(), 32u);
    EXPECT_EQ(payload.exceptionName, "std::runtime_error");
    EXPECT_EQ(payload.operatingSystem, "Linux 12 (6.1.0-18-amd64)");
    EXPECT_EQ(payload.crashAtUtc, "2023-11-14T22:13:20.000Z");
    EXPECT_EQ(payload.platform, "linux");
    EXPECT_TRUE(payload.isSynthetic);

    // The crashed thread first, then the first 63 others in report order.
    ASSERT_EQ(payload.threads.size(), 64u);
    EXPECT_EQ(payload.crashedThreadNumber, 50);
    EXPECT_EQ(payload.threads[0].threadNumber, 50);
    EXPECT_EQ(payload.threads[1].threadNumber, 0);
    EXPECT_EQ(payload.threads[51].threadNumber, 51);
    EXPECT_EQ(payload.threads[63].threadNumber, 63);
    EXPECT_EQ(payload.threads[0].registers.size(), 64u);
    EXPECT_EQ(payload.threads[0].registers[10], (MacCrashReportRegister{"r10", "0xff"}));
    EXPECT_TRUE(payload.threads[1].registers.empty());
    EXPECT_EQ(payload.threads[0].frames[0], (MacCrashReportFrame{"0x1000", 0}));
    EXPECT_EQ(payload.threads[0].frames[3], (MacCrashReportFrame{"0x9000", 1}));

    const std::vector<MacCrashReportBinaryImage> images = {
        {"veltrano", "0x1000", "0x1000", "abababab-abab-abab-abab-abababababab"},
        {"libc.so.6", "0x8000", "0x2000", std::nullopt},
        {"unknown", "0x7000", "0x10", std::nullopt},
    };
    EXPECT_EQ(payload.binaryImages, images);
}

TEST(PreparedMacCrashReportTest, SpendsTheFrameBudgetOnTheFirstThreads) {
    const auto prepared = PreparedMacCrashReport::make(logWithThreads(20, 0, 300).bytes(), kInstallation, false);
    ASSERT_TRUE(prepared);
    const auto& threads = prepared.value().request.report.threads;
    ASSERT_EQ(threads.size(), 16u);
    for (const auto& thread : threads) EXPECT_EQ(thread.frames.size(), 256u);
}

TEST(PreparedMacCrashReportTest, CleansTextsAndNormalisesImageIdentifiers) {
    EXPECT_EQ(MacCrashReportPayload::sanitizedText("a\tb\u200Bc\u2028d\u00E9"), "abcd\u00E9");
    EXPECT_EQ(MacCrashReportPayload::normalizedImageUUID("0123456789ABCDEF0123456789ABCDEF"),
              "01234567-89ab-cdef-0123-456789abcdef");
    EXPECT_EQ(MacCrashReportPayload::normalizedImageUUID("0123456789abcdef0123456789abcde"), std::nullopt);
    EXPECT_EQ(MacCrashReportPayload::normalizedImageUUID("0123456789abcdef0123456789abcdeg"), std::nullopt);
}

}  // namespace
}  // namespace vlt
