#include "crash_reports/prepared_mac_crash_report.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include <QDateTime>
#include <QString>
#include <nlohmann/json.hpp>

#include "crash_capture/vt_crash_report.h"
#include "crash_reports/mac_crash_report_failure.h"
#include "foundation/user_perceived_text.h"

namespace vlt {

namespace {

constexpr const char* kPlatform = "linux";
constexpr const char* kReportFormat = "vtcrash-sanitized-json-v1";
constexpr const char* kBuildConfiguration = "Release";
constexpr const char* kOperatingSystemName = "Linux";
#if defined(__x86_64__)
constexpr const char* kArchitecture = "x86_64";
#elif defined(__aarch64__)
constexpr const char* kArchitecture = "arm64";
#else
#error "crash reports name the architecture of the build"
#endif

// Cuts, in user-perceived characters.
constexpr qsizetype kRegisterNameCharacters = 24;
constexpr qsizetype kSignalNameCharacters = 50;
constexpr qsizetype kVersionCharacters = 100;
constexpr qsizetype kNameCharacters = 200;

std::string hexadecimal(std::uint64_t value) {
    char text[2 + 16 + 1];
    std::snprintf(text, sizeof text, "0x%" PRIx64, value);
    return text;
}

// Texts are looked at up to this many bytes, however long the log makes them: far beyond
// the longest cut, and beyond any text our own writer leaves.
constexpr std::size_t kLongestTextBytes = 64 * 1024;

// The first bytes of a text, up to `bytes`, without a part of a character.
std::string_view utf8Prefix(std::string_view text, std::size_t bytes) {
    if (bytes >= text.size()) return text;
    while (bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) --bytes;
    return text.substr(0, bytes);
}

// Cleaned first, then cut. Only as much of the text is cleaned as the cut needs, a
// growing front of it: whether two characters are parted depends on what comes before
// them, never on what follows, so a cut that ends inside the cleaned front is the cut of
// the whole text.
std::string cleaned(std::string_view text, qsizetype characters) {
    text = text.substr(0, kLongestTextBytes);
    for (std::size_t front = std::size_t(characters) + 1;; front *= 2) {
        const std::string_view part = utf8Prefix(text, front);
        const QString clean = QString::fromStdString(MacCrashReportPayload::sanitizedText(part));
        const QString cut = firstUserPerceivedCharacters(clean, characters);
        if (part.size() == text.size() || cut.size() < clean.size()) return cut.toStdString();
    }
}

std::string_view lastPathComponent(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
    if (path == "/") return path;
    // memrchr rather than rfind, which steps byte by byte through names by the thousand.
    const auto* slash = static_cast<const char*>(::memrchr(path.data(), '/', path.size()));
    return slash == nullptr ? path : path.substr(std::size_t(slash - path.data()) + 1);
}

std::vector<MacCrashReportBinaryImage> binaryImagesOf(const VTCrashReport& report) {
    std::vector<MacCrashReportBinaryImage> images;
    const auto& source = report.images();
    const std::size_t kept = std::min(source.size(), PreparedMacCrashReport::kMaximumImages);
    images.reserve(kept);
    for (std::size_t index = 0; index < kept; ++index) {
        const VTCrashReportBinaryImageInfo& image = source[index];
        const std::string_view name = lastPathComponent(image.imageName());
        MacCrashReportBinaryImage entry;
        entry.name = cleaned(name.empty() ? "unknown" : name, kNameCharacters);
        entry.baseAddress = hexadecimal(image.imageBaseAddress());
        entry.size = hexadecimal(image.imageSize());
        if (image.hasImageUUID()) entry.uuid = MacCrashReportPayload::normalizedImageUUID(*image.imageUUID());
        images.push_back(std::move(entry));
    }
    return images;
}

std::optional<std::int64_t> imageIndexOf(std::uint64_t address, const std::vector<VTCrashReportBinaryImageInfo>& images,
                                         std::size_t keptImages) {
    for (std::size_t index = 0; index < keptImages; ++index) {
        const std::uint64_t base = images[index].imageBaseAddress();
        if (base <= address && address - base < images[index].imageSize()) return static_cast<std::int64_t>(index);
    }
    return std::nullopt;
}

// The crashed thread first, then the others in report order, within the thread and
// frame budgets; none when the report does not mark exactly one thread as crashed.
std::optional<std::vector<MacCrashReportThread>> threadsOf(const VTCrashReport& report) {
    using Limits = PreparedMacCrashReport;
    const auto& threads = report.threads();
    const auto crashedCount = std::count_if(threads.begin(), threads.end(), [](const auto& t) { return t.crashed; });
    if (crashedCount != 1) return std::nullopt;

    std::vector<const VTCrashReportThreadInfo*> ordered;
    for (const auto& thread : threads) {
        if (thread.crashed) ordered.push_back(&thread);
    }
    for (const auto& thread : threads) {
        if (ordered.size() == Limits::kMaximumThreads) break;
        if (!thread.crashed) ordered.push_back(&thread);
    }

    const std::size_t keptImages = std::min(report.images().size(), Limits::kMaximumImages);
    std::vector<MacCrashReportThread> result;
    std::size_t budget = Limits::kMaximumFrames;
    for (const VTCrashReportThreadInfo* thread : ordered) {
        if (budget < 1) break;
        MacCrashReportThread entry;
        entry.threadNumber = thread->threadNumber;
        entry.crashed = thread->crashed;
        const std::size_t frames = std::min({thread->stackFrames.size(), budget, Limits::kMaximumFramesPerThread});
        for (std::size_t index = 0; index < frames; ++index) {
            const std::uint64_t address = thread->stackFrames[index].instructionPointer;
            entry.frames.push_back({hexadecimal(address), imageIndexOf(address, report.images(), keptImages)});
        }
        if (thread->crashed) {
            const std::size_t registers = std::min(thread->registers.size(), Limits::kMaximumRegisters);
            for (std::size_t index = 0; index < registers; ++index) {
                const VTCrashReportRegisterInfo& item = thread->registers[index];
                entry.registers.push_back(
                    {cleaned(item.registerName, kRegisterNameCharacters), hexadecimal(item.registerValue)});
            }
        }
        budget -= frames;
        result.push_back(std::move(entry));
    }
    return result;
}

// The crash's moment, or the preparation's when the log has none. Both are counted in
// milliseconds, never in the system clock's nanoseconds, which end in the year 2262.
std::string crashDate(const std::optional<VTCrashTimestamp>& timestamp, std::chrono::system_clock::time_point now) {
    const std::chrono::milliseconds moment =
        timestamp ? std::chrono::milliseconds(timestamp->time_since_epoch())
                  : std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(moment.count(), Qt::UTC).toString(Qt::ISODateWithMs).toStdString();
}

MacCrashReportPayload payloadOf(const VTCrashReport& report, std::span<const std::uint8_t> reportData,
                                std::vector<MacCrashReportThread> threads, std::chrono::system_clock::time_point now) {
    const VTCrashReportSystemInfo& system = report.systemInfo();
    const VTCrashReportApplicationInfo& application = report.applicationInfo();
    const VTCrashReportSignalInfo& signal = report.signalInfo();

    MacCrashReportPayload payload;
    payload.reportId = MacCrashReportPayload::reportIdentifier(reportData);
    payload.platform = kPlatform;
    payload.reportFormat = kReportFormat;
    payload.appVersion = cleaned(application.applicationMarketingVersion.value_or("unknown"), kVersionCharacters);
    payload.appBuild = cleaned(application.applicationVersion, kVersionCharacters);
    payload.buildConfiguration = kBuildConfiguration;
    payload.crashAtUtc = crashDate(system.timestamp, now);
    // "Debian GNU/Linux 12 (bookworm) (Linux 6.1.0-18-amd64)", or without the
    // distribution's own name "Linux 12 (6.1.0-18-amd64)".
    const std::string build = cleaned(system.operatingSystemBuild.value_or("unknown"), kVersionCharacters);
    payload.operatingSystem =
        system.operatingSystemName
            ? cleaned(*system.operatingSystemName, kVersionCharacters) + " (" + kOperatingSystemName + " " + build + ")"
            : std::string(kOperatingSystemName) + " " + cleaned(system.operatingSystemVersion, kVersionCharacters) +
                  " (" + build + ")";
    payload.architecture = kArchitecture;
    payload.signalName = cleaned(signal.name, kSignalNameCharacters);
    payload.signalCode = cleaned(signal.code, kVersionCharacters);
    payload.signalAddress = hexadecimal(signal.address);
    if (const auto& mach = report.machExceptionInfo()) {
        payload.machExceptionType = mach->type;
        const std::size_t codes = std::min(mach->codes.size(), PreparedMacCrashReport::kMaximumMachExceptionCodes);
        for (std::size_t index = 0; index < codes; ++index) {
            payload.machExceptionCodes.push_back(hexadecimal(mach->codes[index]));
        }
    }
    if (const auto& exception = report.exceptionInfo()) {
        payload.exceptionName = cleaned(exception->exceptionName, kNameCharacters);
    }
    payload.crashedThreadNumber = threads.front().threadNumber;
    payload.threads = std::move(threads);
    payload.binaryImages = binaryImagesOf(report);
    return payload;
}

ErrorPtr failure(MacCrashReportFailure::Case failureCase) { return makeMacCrashReportFailure(failureCase); }

}  // namespace

Result<PreparedMacCrashReport> PreparedMacCrashReport::make(std::span<const std::uint8_t> reportData,
                                                            std::string installationId, bool isSynthetic,
                                                            std::chrono::system_clock::time_point now) {
    using Case = MacCrashReportFailure::Case;
    // 1. Size.
    if (reportData.empty() || reportData.size() > kMaximumBytes) return failure(Case::tooLarge);
    // 2. Decoding, of no more than the payload carries.
    const VTCrashReportLimits limits = {kMaximumThreads - 1, kMaximumFramesPerThread, kMaximumRegisters,
                                        kMaximumImages};
    const Result<VTCrashReport> decoded = VTCrashReport::fromData(reportData, limits);
    if (!decoded) return failure(Case::unavailable);
    const VTCrashReport& report = decoded.value();
    // 3, 4. Threads, with exactly one crashed thread that has frames.
    std::optional<std::vector<MacCrashReportThread>> threads = threadsOf(report);
    if (!threads || threads->front().frames.empty()) return failure(Case::unavailable);

    // 5-8. The request.
    PreparedMacCrashReport prepared;
    prepared.request.installationId = std::move(installationId);
    prepared.request.report = payloadOf(report, reportData, std::move(*threads), now);
    prepared.request.report.isSynthetic = isSynthetic;

    // 9, 10. Its encoding's size.
    const std::string encoded = toJson(prepared.request).dump();
    if (encoded.size() > kMaximumBytes) return failure(Case::tooLarge);
    prepared.encodedBytes = static_cast<std::int64_t>(encoded.size());
    return prepared;
}

}  // namespace vlt
