#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "base/result.h"
#include "crash_reports/mac_crash_report_payload.h"

namespace vlt {

// A crash log turned into the request that would be sent, with the size of its
// encoding. Made once at launch; the client encodes the request again when it sends.
struct PreparedMacCrashReport {
    // Fixed limits of what a report carries.
    static constexpr std::size_t kMaximumBytes = 10 * 1024 * 1024;
    static constexpr std::size_t kMaximumImages = 4096;
    static constexpr std::size_t kMaximumThreads = 64;
    static constexpr std::size_t kMaximumFramesPerThread = 256;
    static constexpr std::size_t kMaximumFrames = 4096;
    static constexpr std::size_t kMaximumRegisters = 64;
    static constexpr std::size_t kMaximumMachExceptionCodes = 8;

    MacCrashReportSubmissionRequest request;
    std::int64_t encodedBytes = 0;

    bool operator==(const PreparedMacCrashReport&) const = default;

    // A MacCrashReportFailure when the log is empty or too large, or when no report
    // can be made from it (undecodable, not exactly one crashed thread, a crashed thread
    // without frames). `now` dates a log that carries no time of its own.
    static Result<PreparedMacCrashReport> make(
        std::span<const std::uint8_t> reportData, std::string installationId, bool isSynthetic,
        std::chrono::system_clock::time_point now = std::chrono::system_clock::now());
};

}  // namespace vlt
