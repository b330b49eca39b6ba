#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vlt {

// The decoded form of a crash log: plain records that the reader fills once and that
// the payload and the text report only read. Numbers keep these widths whatever width
// the log stores them in.

using VTCrashTimestamp = std::chrono::sys_seconds;

// Operating-system values as logs store them; a value outside the list is kept as is.
inline constexpr std::int32_t kVTCrashOSMacOSX = 0;
inline constexpr std::int32_t kVTCrashOSiPhoneOS = 1;
inline constexpr std::int32_t kVTCrashOSiPhoneSimulator = 2;
inline constexpr std::int32_t kVTCrashOSUnknown = 3;
inline constexpr std::int32_t kVTCrashOSAppleTVOS = 4;
inline constexpr std::int32_t kVTCrashOSLinux = 5;

// Architecture values as logs store them (X86_32 = 0 up to ARMV7 = 5).
inline constexpr std::int32_t kVTCrashArchitectureUnknown = 6;

// Processor type encodings and the Mach CPU types that the reader and the text report
// know. A 64-bit type is its 32-bit family with bit 24 set; the low 24 bits of a
// subtype are the subtype proper, the high bits capability flags.
inline constexpr std::int32_t kVTCrashTypeEncodingUnknown = 0;
inline constexpr std::int32_t kVTCrashTypeEncodingMach = 1;
inline constexpr std::uint64_t kVTCrashCPUTypeX86 = 7;
inline constexpr std::uint64_t kVTCrashCPUTypeX86_64 = 0x1000007;
inline constexpr std::uint64_t kVTCrashCPUTypeARM = 12;
inline constexpr std::uint64_t kVTCrashCPUTypeARM64 = 0x100000c;
inline constexpr std::uint64_t kVTCrashCPUTypePowerPC = 18;
inline constexpr std::uint64_t kVTCrashCPUTypePowerPC64 = 0x1000012;
inline constexpr std::uint64_t kVTCrashCPUSubtypeMask = 0xFFFFFF;

struct VTCrashReportProcessorInfo {
    std::int32_t typeEncoding = kVTCrashTypeEncodingUnknown;
    std::uint64_t type = 0;
    std::uint64_t subtype = 0;

    bool operator==(const VTCrashReportProcessorInfo&) const = default;
};

struct VTCrashReportSystemInfo {
    std::int32_t operatingSystem = kVTCrashOSUnknown;
    std::string operatingSystemVersion;
    std::optional<std::string> operatingSystemBuild;
    // The distribution's name as it presents itself, in logs of this system.
    std::optional<std::string> operatingSystemName;
    std::int32_t architecture = kVTCrashArchitectureUnknown;
    // The moment of the crash; none when the log has none, or one outside the years 1 to 9999.
    std::optional<VTCrashTimestamp> timestamp;
    // The machine's processor, or one made from the architecture.
    VTCrashReportProcessorInfo processorInfo;
};

struct VTCrashReportMachineInfo {
    std::optional<std::string> modelName;
    std::optional<VTCrashReportProcessorInfo> processorInfo;
    std::uint64_t processorCount = 0;
    std::uint64_t logicalProcessorCount = 0;
};

struct VTCrashReportApplicationInfo {
    std::string applicationIdentifier;
    std::string applicationVersion;
    std::optional<std::string> applicationMarketingVersion;
};

struct VTCrashReportProcessInfo {
    std::optional<std::string> processName;
    std::uint64_t processID = 0;
    std::optional<std::string> processPath;
    std::optional<VTCrashTimestamp> processStartTime;
    std::optional<std::string> parentProcessName;
    std::uint64_t parentProcessID = 0;
    // Whether the process ran natively for the machine's processor.
    bool native = true;
};

struct VTCrashReportSignalInfo {
    std::string name;
    std::string code;
    std::uint64_t address = 0;
};

struct VTCrashReportMachExceptionInfo {
    std::uint64_t type = 0;
    std::vector<std::uint64_t> codes;
};

struct VTCrashReportSymbolInfo {
    std::string symbolName;
    std::uint64_t startAddress = 0;
    // 0 when the log has none.
    std::uint64_t endAddress = 0;
};

struct VTCrashReportStackFrameInfo {
    std::uint64_t instructionPointer = 0;
    std::optional<VTCrashReportSymbolInfo> symbolInfo;
};

struct VTCrashReportRegisterInfo {
    std::string registerName;
    std::uint64_t registerValue = 0;
};

struct VTCrashReportThreadInfo {
    std::int64_t threadNumber = 0;
    std::vector<VTCrashReportStackFrameInfo> stackFrames;
    bool crashed = false;
    // Only the crashed thread carries registers.
    std::vector<VTCrashReportRegisterInfo> registers;
};

struct VTCrashReportExceptionInfo {
    std::string exceptionName;
    std::string exceptionReason;
    // The exception's own backtrace; nothing (not an empty list) when it had none.
    std::optional<std::vector<VTCrashReportStackFrameInfo>> stackFrames;
};

// One loaded image. Its identifiers are kept as lower-case hexadecimal text.
class VTCrashReportBinaryImageInfo {
public:
    VTCrashReportBinaryImageInfo(std::optional<VTCrashReportProcessorInfo> codeType, std::uint64_t baseAddress,
                                 std::uint64_t size, std::string name,
                                 std::optional<std::span<const std::uint8_t>> uuid,
                                 std::optional<std::span<const std::uint8_t>> buildID = std::nullopt);

    const std::optional<VTCrashReportProcessorInfo>& codeType() const { return processorInfo_; }
    std::uint64_t imageBaseAddress() const { return baseAddress_; }
    std::uint64_t imageSize() const { return imageSize_; }
    // The full path of the image.
    const std::string& imageName() const { return imageName_; }
    bool hasImageUUID() const { return imageUUID_.has_value(); }
    const std::optional<std::string>& imageUUID() const { return imageUUID_; }
    // The whole GNU build-id of an image of this system, when the log has it.
    const std::optional<std::string>& imageBuildID() const { return imageBuildID_; }

private:
    std::optional<VTCrashReportProcessorInfo> processorInfo_;
    std::uint64_t baseAddress_;
    std::uint64_t imageSize_;
    std::string imageName_;
    std::optional<std::string> imageUUID_;
    std::optional<std::string> imageBuildID_;
};

}  // namespace vlt
