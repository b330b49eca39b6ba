#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/result.h"
#include "crash_capture/vt_crash_report_info.h"
#include "crash_capture/vt_crash_report_limits.h"

namespace vlt {

// One decoded crash log. Decoding yields the whole report or fails as a whole with
// one VTCrashReporterError; the report never changes afterwards.
class VTCrashReport {
public:
    using UUID = std::array<std::uint8_t, 16>;

    // The whole file: header and message. Every failure has the code crashLogInvalid.
    // Within limits, only what they keep is decoded, so that neither time nor memory
    // grows with what a log holds beyond them.
    static Result<VTCrashReport> fromData(std::span<const std::uint8_t> data,
                                          const std::optional<VTCrashReportLimits>& limits = std::nullopt);

    const VTCrashReportSystemInfo& systemInfo() const { return systemInfo_; }
    const std::optional<VTCrashReportMachineInfo>& machineInfo() const { return machineInfo_; }
    const VTCrashReportApplicationInfo& applicationInfo() const { return applicationInfo_; }
    const std::optional<VTCrashReportProcessInfo>& processInfo() const { return processInfo_; }
    const VTCrashReportSignalInfo& signalInfo() const { return signalInfo_; }
    const std::optional<VTCrashReportMachExceptionInfo>& machExceptionInfo() const { return machExceptionInfo_; }
    // In file order; never empty.
    const std::vector<VTCrashReportThreadInfo>& threads() const { return threads_; }
    // In file order; never empty.
    const std::vector<VTCrashReportBinaryImageInfo>& images() const { return images_; }
    const std::optional<VTCrashReportExceptionInfo>& exceptionInfo() const { return exceptionInfo_; }
    // Present (possibly empty) exactly when the log has custom data.
    const std::optional<std::vector<std::uint8_t>>& customData() const { return customData_; }
    // The report's own identifier, in stored byte order.
    const std::optional<UUID>& uuidRef() const { return uuid_; }

    bool hasMachineInfo() const { return machineInfo_.has_value(); }
    bool hasProcessInfo() const { return processInfo_.has_value(); }
    bool hasExceptionInfo() const { return exceptionInfo_.has_value(); }

    // The first image, in list order, whose range holds the address; null when none does.
    const VTCrashReportBinaryImageInfo* imageForAddress(std::uint64_t address) const;

private:
    VTCrashReport() = default;

    VTCrashReportSystemInfo systemInfo_;
    std::optional<VTCrashReportMachineInfo> machineInfo_;
    VTCrashReportApplicationInfo applicationInfo_;
    std::optional<VTCrashReportProcessInfo> processInfo_;
    VTCrashReportSignalInfo signalInfo_;
    std::optional<VTCrashReportMachExceptionInfo> machExceptionInfo_;
    std::vector<VTCrashReportThreadInfo> threads_;
    std::vector<VTCrashReportBinaryImageInfo> images_;
    std::optional<VTCrashReportExceptionInfo> exceptionInfo_;
    std::optional<std::vector<std::uint8_t>> customData_;
    std::optional<UUID> uuid_;
};

}  // namespace vlt
