#include "crash_capture/vt_crash_report_info.h"

#include <utility>

namespace vlt {

namespace {

std::optional<std::string> hexText(std::optional<std::span<const std::uint8_t>> bytes) {
    if (!bytes) return std::nullopt;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes->size() * 2);
    for (const std::uint8_t byte : *bytes) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0xF]);
    }
    return text;
}

}  // namespace

VTCrashReportBinaryImageInfo::VTCrashReportBinaryImageInfo(std::optional<VTCrashReportProcessorInfo> codeType,
                                                           std::uint64_t baseAddress, std::uint64_t size,
                                                           std::string name,
                                                           std::optional<std::span<const std::uint8_t>> uuid,
                                                           std::optional<std::span<const std::uint8_t>> buildID)
    : processorInfo_(std::move(codeType)),
      baseAddress_(baseAddress),
      imageSize_(size),
      imageName_(std::move(name)),
      imageUUID_(hexText(uuid)),
      imageBuildID_(hexText(buildID)) {}

}  // namespace vlt
