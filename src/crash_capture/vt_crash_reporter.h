#pragma once

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <ucontext.h>
#include <vector>

#include "base/result.h"
#include "crash_capture/vt_crash_reporter_config.h"
#include "crash_capture/vt_crash_uncaught_exception.h"

namespace vlt {

// What a crash calls once its crash log is written, on the crashing thread inside the
// signal handler (so only async-signal-safe work): the signal's information, the
// interrupted context and `context`.
struct VTCrashReporterCallbacks {
    // Must be 0.
    std::uint16_t version = 0;
    void* context = nullptr;
    void (*handleCrash)(siginfo_t* info, ucontext_t* userContext, void* context) = nullptr;
};

// What names the application in its crash logs; what is missing is made up (see
// VTCrashReporter::forApplicationFacts).
struct VTCrashApplicationFacts {
    std::optional<std::string> identifier;
    std::optional<std::string> version;
    std::optional<std::string> marketingVersion;
    // Stands in for a missing identifier.
    std::optional<std::string> processName;

    // This build's identifier, build number and version, and the running program's name.
    static VTCrashApplicationFacts ofThisBuild();
};

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

    // The application's own facts: its identifier, build and version.
    static VTCrashReporter forApplication(VTCrashReporterConfig configuration);
    // Without an identifier the process name stands in, without a version "", each with a
    // warning in the component's log. Throws VTCrashReporterException when there is
    // neither identifier nor process name.
    static VTCrashReporter forApplicationFacts(const VTCrashApplicationFacts& facts,
                                               VTCrashReporterConfig configuration);
    // One reporter for the whole process, made on first use for this application with the
    // default configuration.
    static VTCrashReporter& sharedReporter();

    // Where the crash log of this application waits for the next launch: a folder named
    // after the application identifier ("/" becomes "_") in the component's folder under
    // the base path or the user's cache folder.
    std::filesystem::path crashReportDirectory() const;
    std::filesystem::path queuedCrashReportDirectory() const;
    std::filesystem::path crashReportPath() const;
    // Creates both folders when missing.
    VoidResult populateCrashReportDirectory() const;

    // True as soon as the file exists, whatever it holds.
    bool hasPendingCrashReport() const;
    // The whole crash log; a file over the report byte limit, or anything but a regular
    // file, is refused before a byte is read.
    Result<std::vector<std::uint8_t>> loadPendingCrashReportData() const;
    // Removes whatever stands at the crash log's path; the reason when nothing was there or
    // it could not be removed.
    VoidResult purgePendingCrashReport() const;

    // Capture for the rest of the process, once per process: the crash log's folder,
    // the writer's facts, handlers for SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGSEGV and
    // SIGTRAP (signal handler type 0; type 1, Mach exceptions, is refused with
    // otherFailure, there being none here; any other type installs none) and, when
    // configured, the handler of uncaught exceptions. Fails without installing anything
    // for type 1, when the folders cannot be made or when a crash could not write the log,
    // as with a folder that holds something at its path; a later attempt may then succeed.
    // Any other attempt after the first one in the process fails with alreadyEnabled.
    VoidResult enableCrashReporter();
    bool isEnabled() const { return enabled_; }

    // The component's folder in the base path.
    static constexpr const char* kDataFolderName = "vtcrash";
    static constexpr const char* kCrashReportFileName = "live_report.vtcrash";
    static constexpr const char* kQueuedReportsFolderName = "queued_reports";
    // The signal handler type that installs the signal handlers.
    static constexpr std::uint64_t kSignalHandlerTypeSignals = 0;
    // The signal handler type of Mach exceptions, which this system does not have.
    static constexpr std::uint64_t kSignalHandlerTypeMach = 1;

    // Bytes every report carries verbatim; none by default. Once capture is enabled in the
    // process, by this reporter or another, the next crash log carries what was set last
    // on any reporter.
    void setCustomData(std::optional<std::vector<std::uint8_t>> customData);
    const std::optional<std::vector<std::uint8_t>>& customData() const { return customData_; }

    // What a crash of this process calls once its log is written (for every reporter:
    // there is one such function per process). Throws VTCrashReporterException once this
    // reporter is enabled; a version other than 0 stops the process.
    void setCrashCallbacks(const VTCrashReporterCallbacks& callbacks);

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
    bool enabled_ = false;
};

}  // namespace vlt
