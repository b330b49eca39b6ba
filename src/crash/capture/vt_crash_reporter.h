#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

#include "base/result.h"
#include "crash/capture/vt_crash_reporter_config.h"
#include "crash/capture/vt_crash_uncaught_exception.h"

namespace vlt {

// The object through which the application uses crash capture. A live report is a
// crash log of the running process, written without crashing: every thread's stack, the
// loaded objects and the facts of the process, in the crash log's format.
class VTCrashReporter {
public:
    VTCrashReporter(std::string applicationIdentifier, std::string applicationVersion,
                    std::optional<std::string> applicationMarketingVersion, VTCrashReporterConfig configuration);

    const VTCrashReporterConfig& configuration() const { return configuration_; }
    const std::string& applicationIdentifier() const { return applicationIdentifier_; }
    const std::string& applicationVersion() const { return applicationVersion_; }
    const std::optional<std::string>& applicationMarketingVersion() const { return applicationMarketingVersion_; }

    // Bytes every report carries verbatim; none by default.
    void setCustomData(std::optional<std::vector<std::uint8_t>> customData);
    const std::optional<std::vector<std::uint8_t>>& customData() const { return customData_; }

    // The symbol sources the crash-time lookup knows, of the configured ones.
    static std::uint32_t mapToAsyncSymbolicationStrategy(std::uint64_t strategy);

    // A live report with the calling thread marked as the crashed one, or `thread` (a
    // kernel thread id), in which case the calling thread is left out. Its signal is
    // SIGTRAP (TRAP_TRACE) at the return address into the caller. The bytes are a whole
    // crash log; failures are VTCrashReporterErrors.
    Result<std::vector<std::uint8_t>> generateLiveReport();
    Result<std::vector<std::uint8_t>> generateLiveReportWithException(const VTCrashUncaughtException& exception);
    Result<std::vector<std::uint8_t>> generateLiveReportWithThread(pid_t thread);
    Result<std::vector<std::uint8_t>> generateLiveReportWithThread(
        pid_t thread, const std::optional<VTCrashUncaughtException>& exception);

private:
    Result<std::vector<std::uint8_t>> writeLiveReport(std::optional<pid_t> thread,
                                                      const std::optional<VTCrashUncaughtException>& exception,
                                                      std::uint64_t callerAddress) const;

    VTCrashReporterConfig configuration_;
    std::string applicationIdentifier_;
    std::string applicationVersion_;
    std::optional<std::string> applicationMarketingVersion_;
    std::optional<std::vector<std::uint8_t>> customData_;
};

}  // namespace vlt
