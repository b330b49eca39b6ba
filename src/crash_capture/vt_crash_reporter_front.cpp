// The reporter's facts, files, enabling and the crash-time state it fills; live reports
// are in vt_crash_reporter.cpp.

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <cstring>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "base/application_folders.h"
#include "base/folder_creation.h"
#include "base/precondition.h"
#include "base/regular_file.h"
#include "base/system_error.h"
#include "crash_capture/async/vtcrash_async_thread_capture.h"
#include "crash_capture/vt_crash_reporter.h"
#include "crash_capture/vt_crash_reporter_error.h"
#include "crash_capture/vt_crash_reporter_log.h"
#include "crash_capture/vt_crash_shared_images.h"
#include "crash_capture/vt_crash_signal_handler.h"
#include "crash_capture/vt_crash_thread_signal_stacks.h"
#include "crash_capture/vtcrash_crash_handlers.h"
#include "veltrano_version.h"

namespace vlt {

namespace {

// Set by the first attempt to enable, whatever its outcome, and never cleared.
std::mutex enableLock;
bool enableAttempted = false;
// Set once enabling has filled the crash-time writer state; from then on custom data set
// on any reporter goes into it. Under enableLock.
bool crashTimeWriterFilled = false;

// What a pending crash log may hold when its writer had no limit: as much as a report
// carries at most.
constexpr std::size_t kPendingReportReadLimitWithoutWriterLimit = std::size_t{10} << 20;

bool isEmptyFolder(const std::filesystem::path& path) {
    DIR* folder = ::opendir(path.c_str());
    if (folder == nullptr) return false;
    bool empty = true;
    while (const dirent* entry = ::readdir(folder)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            empty = false;
            break;
        }
    }
    ::closedir(folder);
    return empty;
}

// A crash replaces a file, a link or an empty folder at the path, but not a folder that
// holds something.
VoidResult crashTimeCanWrite(const std::filesystem::path& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && !isEmptyFolder(path)) {
        return makeSystemError(EISDIR, "create", path.string());
    }
    if (::access(path.parent_path().c_str(), W_OK | X_OK) != 0) return makeSystemError(errno, "create", path.string());
    return {};
}

std::optional<std::string> nonEmpty(const char* text) {
    if (text == nullptr || *text == '\0') return std::nullopt;
    return std::string(text);
}

std::string folderNameFor(std::string identifier) {
    for (char& character : identifier) {
        if (character == '/') character = '_';
    }
    return identifier;
}

}  // namespace

VTCrashApplicationFacts VTCrashApplicationFacts::ofThisBuild() {
    return {nonEmpty(version::kApplicationIdentifier), nonEmpty(version::kBuild), nonEmpty(version::kShortVersion),
            nonEmpty(program_invocation_short_name)};
}

VTCrashReporter VTCrashReporter::forApplication(VTCrashReporterConfig configuration) {
    return forApplicationFacts(VTCrashApplicationFacts::ofThisBuild(), std::move(configuration));
}

VTCrashReporter VTCrashReporter::forApplicationFacts(const VTCrashApplicationFacts& facts,
                                                     VTCrashReporterConfig configuration) {
    std::string identifier;
    if (facts.identifier) {
        identifier = *facts.identifier;
    } else if (facts.processName) {
        identifier = *facts.processName;
        vtCrashReporterLog("Warning -- bundle identifier, using process name " + identifier);
    } else {
        throw VTCrashReporterException("Can not determine process identifier or process name");
    }
    std::string version;
    if (facts.version) {
        version = *facts.version;
    } else {
        vtCrashReporterLog("Warning -- bundle version unavailable");
    }
    return VTCrashReporter(std::move(identifier), std::move(version), facts.marketingVersion, std::move(configuration));
}

VTCrashReporter& VTCrashReporter::sharedReporter() {
    static VTCrashReporter shared = forApplication(VTCrashReporterConfig{});
    return shared;
}

void VTCrashReporter::setCustomData(std::optional<std::vector<std::uint8_t>> customData) {
    customData_ = std::move(customData);
    // There is one crash-time writer per process, whichever reporter filled it; before it
    // is filled, enabling hands over the enabling reporter's own.
    const std::lock_guard lock(enableLock);
    if (!crashTimeWriterFilled) return;
    vtcrash_log_writer_set_custom_data(&vtcrash_shared_crash_context()->writer,
                                       customData_ ? customData_->data() : nullptr,
                                       customData_ ? customData_->size() : 0);
}

void VTCrashReporter::setCrashCallbacks(const VTCrashReporterCallbacks& callbacks) {
    if (enabled_) throw VTCrashReporterException("The crash reporter has already been enabled");
    VLT_PRECONDITION(callbacks.version == 0, "callbacks->version == 0");
    vtcrash_set_crash_handler(callbacks.handleCrash, callbacks.context);
}

std::filesystem::path VTCrashReporter::crashReportDirectory() const {
    const std::filesystem::path base = configuration_.basePath.value_or(
        ApplicationFolders::userCacheFolder().value_or(ApplicationFolders::temporaryFolder()));
    return base / kDataFolderName / folderNameFor(applicationIdentifier_);
}

std::filesystem::path VTCrashReporter::queuedCrashReportDirectory() const {
    return crashReportDirectory() / kQueuedReportsFolderName;
}

std::filesystem::path VTCrashReporter::crashReportPath() const { return crashReportDirectory() / kCrashReportFileName; }

VoidResult VTCrashReporter::populateCrashReportDirectory() const {
    for (const std::filesystem::path& folder : {crashReportDirectory(), queuedCrashReportDirectory()}) {
        if (const std::error_code error = createFolderWithIntermediates(folder)) {
            return makeSystemError(error, "mkdir", folder.string());
        }
    }
    return {};
}

bool VTCrashReporter::hasPendingCrashReport() const {
    std::error_code ignored;
    return std::filesystem::exists(crashReportPath(), ignored);
}

Result<std::vector<std::uint8_t>> VTCrashReporter::loadPendingCrashReportData() const {
    // A file larger than the writer could have made is not read at all: it is no report of
    // ours, and reading it whole would stall or exhaust the launch.
    const std::size_t limit =
        configuration_.maxReportBytes != 0 ? configuration_.maxReportBytes : kPendingReportReadLimitWithoutWriterLimit;
    const std::string path = crashReportPath().string();
    RegularFile file;
    if (const std::error_code error = RegularFile::open(path, file)) return makeSystemError(error, "read", path);
    if (file.size() > limit) return makeSystemError(EFBIG, "read", path);
    // Read once, into the bytes handed back: a log may be as large as the limit.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.size()));
    if (file.readAt(0, bytes) != bytes.size()) return makeSystemError(EIO, "read", path);
    return bytes;
}

VoidResult VTCrashReporter::purgePendingCrashReport() const {
    // Whatever stands at the path goes, a folder with everything in it too; a link is
    // removed, never followed.
    const std::filesystem::path path = crashReportPath();
    std::error_code error;
    const std::uintmax_t removed = std::filesystem::remove_all(path, error);
    if (error) return makeSystemError(error, "remove", path.string());
    if (removed == 0) return makeSystemError(ENOENT, "remove", path.string());
    return {};
}

VoidResult VTCrashReporter::enableCrashReporter() {
    // 1, 2. Once per process; a handler type this system has, the folders, and a pending
    //    path that a crash can write: a folder that holds something would keep every
    //    crash of this run from being recorded. Nothing is installed yet when any of them
    //    fails, so the attempt does not count: once the path is cleared (the report there
    //    answered), capture can start.
    {
        const std::lock_guard lock(enableLock);
        if (enableAttempted) {
            return makeError<VTCrashReporterError>(VTCrashReporterErrorCode::alreadyEnabled,
                                                   "A VTCrashReporter instance has already been enabled");
        }
        // No system call failed: the configuration asks for what this system lacks.
        if (configuration_.signalHandlerType == kSignalHandlerTypeMach) {
            return makeError<VTCrashReporterError>(
                VTCrashReporterErrorCode::otherFailure,
                "The Mach exception handler type (1) is not available on this system");
        }
        if (VoidResult populated = populateCrashReportDirectory(); !populated) return populated;
        if (VoidResult writable = crashTimeCanWrite(crashReportPath()); !writable) return writable;
        enableAttempted = true;
    }

    // 3-5. Everything the crash-time paths need, gathered now.
    VLT_PRECONDITION(!applicationIdentifier_.empty(), "_applicationIdentifier != nil");
    vtcrash_crash_context* context = vtcrash_shared_crash_context();
    // The folder stays open for the rest of the run: crash time then needs no more than
    // one descriptor of its own, and no path lookup above the file.
    const int folder = ::open(crashReportDirectory().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return makeSystemError(errno, "open", crashReportDirectory().string());
    context->report_folder_fd = folder;
    context->report_file_name = kCrashReportFileName;
    context->report_byte_limit = configuration_.maxReportBytes;
    vtcrash_log_writer_init(&context->writer, applicationIdentifier_.c_str(), applicationVersion_.c_str(),
                            applicationMarketingVersion_ ? applicationMarketingVersion_->c_str() : nullptr,
                            mapToAsyncSymbolicationStrategy(configuration_.symbolicationStrategy), false);
    {
        const std::lock_guard lock(enableLock);
        if (customData_) vtcrash_log_writer_set_custom_data(&context->writer, customData_->data(), customData_->size());
        crashTimeWriterFilled = true;
    }
    VTCrashSharedImages& images = VTCrashSharedImages::shared();
    images.sync();
    context->task = images.task();
    context->image_list = images.imageList();
    if (vtcrash_async_thread_capture_prepare() != VTCRASH_OK) {
        vtCrashReporterLog("Other threads cannot be captured; crash logs will hold the crashed thread only");
    }
    if (!VTCrashThreadSignalStacks::areGivenToNewThreads()) {
        vtCrashReporterLog("Threads are started without a signal stack; their stack overflows go unrecorded");
    }

    // 6. The handlers.
    if (configuration_.signalHandlerType == kSignalHandlerTypeSignals) {
        for (const int signo : VTCRASH_CRASH_SIGNALS) {
            VoidResult registered =
                VTCrashSignalHandler::sharedHandler().registerHandlerForSignal(signo, vtcrash_signal_callback, context);
            if (!registered) return registered;
        }
    }
    // 7. Uncaught exceptions.
    if (configuration_.shouldRegisterUncaughtExceptionHandler) std::set_terminate(vtcrash_uncaught_exception_handler);

    enabled_ = true;
    return {};
}

}  // namespace vlt
