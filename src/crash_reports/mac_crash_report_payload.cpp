#include "crash_reports/mac_crash_report_payload.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <nlohmann/json.hpp>

#include "foundation/lowercase_hex.h"
#include "platform/crypto/sha256_digest.h"

namespace vlt {

namespace {

bool isRemovedScalar(char32_t scalar) {
    const QChar::Category category = QChar::category(scalar);
    return category == QChar::Other_Control || category == QChar::Other_Format || scalar == U'\u2028' ||
           scalar == U'\u2029';
}

nlohmann::ordered_json toJson(const MacCrashReportThread& thread) {
    nlohmann::ordered_json frames = nlohmann::ordered_json::array();
    for (const MacCrashReportFrame& frame : thread.frames) {
        nlohmann::ordered_json entry;
        entry["instructionAddress"] = frame.instructionAddress;
        if (frame.imageIndex) entry["imageIndex"] = *frame.imageIndex;
        frames.push_back(std::move(entry));
    }
    nlohmann::ordered_json registers = nlohmann::ordered_json::array();
    for (const MacCrashReportRegister& item : thread.registers) {
        registers.push_back({{"name", item.name}, {"value", item.value}});
    }
    nlohmann::ordered_json result;
    result["threadNumber"] = thread.threadNumber;
    result["crashed"] = thread.crashed;
    result["frames"] = std::move(frames);
    result["registers"] = std::move(registers);
    return result;
}

nlohmann::ordered_json toJson(const MacCrashReportBinaryImage& image) {
    nlohmann::ordered_json result;
    result["name"] = image.name;
    result["baseAddress"] = image.baseAddress;
    result["size"] = image.size;
    if (image.uuid) result["uuid"] = *image.uuid;
    return result;
}

nlohmann::ordered_json toJson(const MacCrashReportPayload& payload) {
    nlohmann::ordered_json result;
    result["schemaVersion"] = payload.schemaVersion;
    result["reportId"] = payload.reportId;
    result["platform"] = payload.platform;
    result["reportFormat"] = payload.reportFormat;
    result["appVersion"] = payload.appVersion;
    result["appBuild"] = payload.appBuild;
    result["buildConfiguration"] = payload.buildConfiguration;
    result["crashAtUtc"] = payload.crashAtUtc;
    result["operatingSystem"] = payload.operatingSystem;
    result["architecture"] = payload.architecture;
    result["signalName"] = payload.signalName;
    result["signalCode"] = payload.signalCode;
    result["signalAddress"] = payload.signalAddress;
    if (payload.machExceptionType) result["machExceptionType"] = *payload.machExceptionType;
    result["machExceptionCodes"] = payload.machExceptionCodes;
    if (payload.exceptionName) result["exceptionName"] = *payload.exceptionName;
    if (payload.crashedThreadNumber) result["crashedThreadNumber"] = *payload.crashedThreadNumber;
    nlohmann::ordered_json threads = nlohmann::ordered_json::array();
    for (const MacCrashReportThread& thread : payload.threads) threads.push_back(toJson(thread));
    result["threads"] = std::move(threads);
    nlohmann::ordered_json images = nlohmann::ordered_json::array();
    for (const MacCrashReportBinaryImage& image : payload.binaryImages) images.push_back(toJson(image));
    result["binaryImages"] = std::move(images);
    result["isSynthetic"] = payload.isSynthetic;
    return result;
}

}  // namespace

std::string MacCrashReportPayload::reportIdentifier(std::span<const std::uint8_t> crashLog) {
    constexpr qsizetype kIdentifierBytes = 16;
    const Sha256Digest digest = sha256Digest(crashLog);
    return QByteArray(reinterpret_cast<const char*>(digest.data()), kIdentifierBytes).toHex().toStdString();
}

std::string MacCrashReportPayload::sanitizedText(std::string_view text) {
    const QList<uint> scalars = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4();
    std::u32string kept;
    kept.reserve(static_cast<std::size_t>(scalars.size()));
    for (const uint scalar : scalars) {
        if (!isRemovedScalar(scalar)) kept.push_back(scalar);
    }
    return QString::fromUcs4(kept.data(), static_cast<qsizetype>(kept.size())).toStdString();
}

std::optional<std::string> MacCrashReportPayload::normalizedImageUUID(std::string_view uuid) {
    std::string digits;
    for (const char character : uuid) {
        if (character == '-') continue;
        digits.push_back(character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a') : character);
    }
    if (digits.size() != 32 || containsNonLowercaseHexDigit(digits)) return std::nullopt;
    return digits.substr(0, 8) + "-" + digits.substr(8, 4) + "-" + digits.substr(12, 4) + "-" + digits.substr(16, 4) +
           "-" + digits.substr(20);
}

nlohmann::ordered_json toJson(const MacCrashReportSubmissionRequest& request) {
    nlohmann::ordered_json result;
    result["schemaVersion"] = request.schemaVersion;
    result["installationId"] = request.installationId;
    result["report"] = toJson(request.report);
    return result;
}

}  // namespace vlt
