#include "crash_capture/vt_crash_reporter.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <stdlib.h>
#include <unistd.h>
#include <utility>

#include "base/file_contents.h"
#include "crash_capture/async/vtcrash_async_thread_capture.h"
#include "crash_capture/vt_crash_reporter_error.h"
#include "crash_capture/vt_crash_reporter_log.h"
#include "crash_capture/vt_crash_shared_images.h"
#include "crash_capture/vtcrash_log_writer.h"
#include "foundation/localized_string.h"

namespace vlt {

namespace {

constexpr char kLiveReportTemplate[] = "live_crash_report.XXXXXX";
// A live report is read back whole; without a configured limit this bounds it.
constexpr std::size_t kLiveReportReadLimit = std::size_t{1} << 30;

// A writer state that frees what it owns.
struct OwnedWriter {
    vtcrash_log_writer writer{};
    ~OwnedWriter() { vtcrash_log_writer_free(&writer); }
};

struct LiveWrite {
    vtcrash_log_writer* writer;
    pid_t crashedThread;
    vtcrash_async_file* file;
    const vtcrash_log_signal_info* signal;
};

vtcrash_error_t writeWithState(const LiveWrite& live, const vtcrash_async_thread_state* state) {
    auto& images = VTCrashSharedImages::shared();
    return vtcrash_log_writer_write(live.writer, live.crashedThread, images.task(), images.imageList(), live.file,
                                    live.signal, state);
}

vtcrash_error_t writeFromCallingThread(vtcrash_async_thread_state* state, void* context) {
    return writeWithState(*static_cast<const LiveWrite*>(context), state);
}

ErrorPtr reporterError(VTCrashReporterErrorCode code, const char* englishText) {
    return makeError<VTCrashReporterError>(code, localizedString(englishText).toStdString());
}

void removeLiveReport(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        vtCrashReporterLog(std::string("Failure occured deleting live crash report: ") + std::strerror(errno));
    }
}

}  // namespace

VTCrashReporter::VTCrashReporter(std::string applicationIdentifier, std::string applicationVersion,
                                 std::optional<std::string> applicationMarketingVersion,
                                 VTCrashReporterConfig configuration)
    : configuration_(std::move(configuration)),
      applicationIdentifier_(std::move(applicationIdentifier)),
      applicationVersion_(std::move(applicationVersion)),
      applicationMarketingVersion_(std::move(applicationMarketingVersion)) {}

std::uint32_t VTCrashReporter::mapToAsyncSymbolicationStrategy(std::uint64_t strategy) {
    return static_cast<std::uint32_t>(strategy & 3);
}

// Each public form is kept out of line: its return address is the caller's place,
// which the report's signal carries.
[[gnu::noinline]] Result<std::vector<std::uint8_t>> VTCrashReporter::generateLiveReport() {
    return writeLiveReport(std::nullopt, std::nullopt, reinterpret_cast<std::uint64_t>(__builtin_return_address(0)));
}

[[gnu::noinline]] Result<std::vector<std::uint8_t>> VTCrashReporter::generateLiveReportWithException(
    const VTCrashUncaughtException& exception) {
    return writeLiveReport(std::nullopt, exception, reinterpret_cast<std::uint64_t>(__builtin_return_address(0)));
}

[[gnu::noinline]] Result<std::vector<std::uint8_t>> VTCrashReporter::generateLiveReportWithThread(pid_t thread) {
    return writeLiveReport(thread, std::nullopt, reinterpret_cast<std::uint64_t>(__builtin_return_address(0)));
}

[[gnu::noinline]] Result<std::vector<std::uint8_t>> VTCrashReporter::generateLiveReportWithThread(
    pid_t thread, const std::optional<VTCrashUncaughtException>& exception) {
    return writeLiveReport(thread, exception, reinterpret_cast<std::uint64_t>(__builtin_return_address(0)));
}

Result<std::vector<std::uint8_t>> VTCrashReporter::writeLiveReport(
    std::optional<pid_t> thread, const std::optional<VTCrashUncaughtException>& exception,
    std::uint64_t callerAddress) const {
    static std::mutex oneAtATime;
    const std::lock_guard lock(oneAtATime);
    VTCrashSharedImages::shared().sync();
    // Without the capture signal the report holds the calling thread only.
    vtcrash_async_thread_capture_prepare();

    // 1. A temporary file of our own.
    std::error_code noTemporaryFolder;
    const auto folder = std::filesystem::temp_directory_path(noTemporaryFolder);
    std::string path = ((noTemporaryFolder ? std::filesystem::path("/tmp") : folder) / kLiveReportTemplate).string();
    const int descriptor = ::mkostemp(path.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return reporterError(VTCrashReporterErrorCode::operatingSystemFailure, "Failed to create temporary path");
    }

    // 2. A writer state of its own.
    OwnedWriter state;
    vtcrash_log_writer_init(&state.writer, applicationIdentifier_.c_str(), applicationVersion_.c_str(),
                            applicationMarketingVersion_ ? applicationMarketingVersion_->c_str() : nullptr,
                            mapToAsyncSymbolicationStrategy(configuration_.symbolicationStrategy), true);
    if (customData_) vtcrash_log_writer_set_custom_data(&state.writer, customData_->data(), customData_->size());
    if (exception) {
        vtcrash_log_writer_set_exception(&state.writer, exception->name.c_str(), exception->reason.c_str(),
                                         exception->callStackReturnAddresses.data(),
                                         exception->callStackReturnAddresses.size());
    }

    // 3. The log, from here or for the given thread.
    const vtcrash_log_signal_info signal = {SIGTRAP, TRAP_TRACE, callerAddress};
    vtcrash_async_file file;
    vtcrash_async_file_init(&file, descriptor, configuration_.maxReportBytes);
    const pid_t self = vtcrash_async_thread_self();
    LiveWrite live = {&state.writer, thread.value_or(self), &file, &signal};
    vtcrash_error_t written = live.crashedThread == self
                                  ? vtcrash_async_thread_state_current(writeFromCallingThread, &live)
                                  : writeWithState(live, nullptr);
    // A failed flush leaves the descriptor open; a failed close has released it already.
    const bool flushed = vtcrash_log_writer_close(&state.writer) == VTCRASH_OK && vtcrash_async_file_flush(&file);
    const bool closed = flushed ? vtcrash_async_file_close(&file) : (::close(descriptor), false);
    if (!closed && written == VTCRASH_OK) written = VTCRASH_ERR_OUTPUT;
    if (written != VTCRASH_OK) {
        vtCrashReporterLog(std::string("Write failed with error ") + vtcrash_async_strerror(written));
        removeLiveReport(path);
        return reporterError(VTCrashReporterErrorCode::otherFailure, "Failed to write the crash report to disk");
    }

    // 4. Its bytes, and the file gone.
    std::string contents;
    const std::size_t limit = configuration_.maxReportBytes != 0 ? configuration_.maxReportBytes : kLiveReportReadLimit;
    const std::error_code readError = readFileContents(path, limit, contents);
    removeLiveReport(path);
    if (readError) {
        return reporterError(VTCrashReporterErrorCode::otherFailure, "Unable to open live crash report for reading");
    }
    return std::vector<std::uint8_t>(contents.begin(), contents.end());
}

}  // namespace vlt
