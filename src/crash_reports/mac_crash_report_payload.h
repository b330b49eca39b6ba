#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace vlt {

// The sanitised report "vtcrash-sanitized-json-v1": what a developer needs to
// symbolicate and group a crash, and nothing the user made. Image names are file names
// only; no exception reason, symbol, process name or custom data leaves the machine.
// Every address, size and register value is text in hexadecimal form ("0x1f").

struct MacCrashReportFrame {
    std::string instructionAddress;
    // Position in the payload's binaryImages of the image holding the address.
    std::optional<std::int64_t> imageIndex;

    bool operator==(const MacCrashReportFrame&) const = default;
};

struct MacCrashReportRegister {
    std::string name;
    std::string value;

    bool operator==(const MacCrashReportRegister&) const = default;
};

struct MacCrashReportThread {
    std::int64_t threadNumber = 0;
    bool crashed = false;
    std::vector<MacCrashReportFrame> frames;
    // Only the crashed thread carries registers.
    std::vector<MacCrashReportRegister> registers;

    bool operator==(const MacCrashReportThread&) const = default;
};

struct MacCrashReportBinaryImage {
    std::string name;
    std::string baseAddress;
    std::string size;
    // 8-4-4-4-12 form of the first 16 bytes of the image's build ID.
    std::optional<std::string> uuid;

    bool operator==(const MacCrashReportBinaryImage&) const = default;
};

struct MacCrashReportPayload {
    std::int64_t schemaVersion = 1;
    std::string reportId;
    std::string platform;
    std::string reportFormat;
    std::string appVersion;
    std::string appBuild;
    std::string buildConfiguration;
    std::string crashAtUtc;
    std::string operatingSystem;
    std::string architecture;
    std::string signalName;
    std::string signalCode;
    std::string signalAddress;
    std::optional<std::uint64_t> machExceptionType;
    std::vector<std::string> machExceptionCodes;
    std::optional<std::string> exceptionName;
    std::optional<std::int64_t> crashedThreadNumber;
    std::vector<MacCrashReportThread> threads;
    std::vector<MacCrashReportBinaryImage> binaryImages;
    bool isSynthetic = false;

    bool operator==(const MacCrashReportPayload&) const = default;

    // The first 16 bytes of the SHA-256 of the whole crash log, in lower-case
    // hexadecimal: the same log always gets the same identifier.
    static std::string reportIdentifier(std::span<const std::uint8_t> crashLog);
    // Without control and format characters (Cc, Cf) and line or paragraph separators.
    static std::string sanitizedText(std::string_view text);
    // 32 hexadecimal digits (any case, hyphens ignored) in lower-case 8-4-4-4-12 form;
    // none for anything else.
    static std::optional<std::string> normalizedImageUUID(std::string_view uuid);
};

// The body of one submission.
struct MacCrashReportSubmissionRequest {
    std::int64_t schemaVersion = 1;
    std::string installationId;
    MacCrashReportPayload report;

    bool operator==(const MacCrashReportSubmissionRequest&) const = default;
};

// Keys in the order the service documents; absent optionals are left out, not null.
nlohmann::ordered_json toJson(const MacCrashReportSubmissionRequest& request);

}  // namespace vlt
