#include "crash_capture/vtcrash_crash_handlers.h"

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <cstring>
#include <cxxabi.h>
#include <dlfcn.h>
#include <exception>
#include <execinfo.h>
#include <string>

#include "crash_capture/async/vtcrash_async_task.h"
#include "crash_capture/vt_crash_reporter_error.h"

namespace {

// The thread that writes the crash log; 0 while no thread has crashed.
std::atomic<pid_t> crashingThread{0};

// The context is stored before the handler and read after it.
std::atomic<vtcrash_crash_handler> crashHandler{nullptr};
std::atomic<void*> crashHandlerContext{nullptr};

// How long a thread that crashes while another one writes waits before ending the
// process itself: far beyond any write, so that only a writer that hangs is cut short.
constexpr long kWaitForWriterSeconds = 5;
constexpr long kWaitStepNanoseconds = 10'000'000;

void resetCrashSignalsToDefault() {
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    for (const int signo : VTCRASH_CRASH_SIGNALS) ::sigaction(signo, &defaults, nullptr);
}

void waitForTheCrashingThread() {
    const timespec step = {0, kWaitStepNanoseconds};
    for (long waited = 0; waited < kWaitForWriterSeconds * 1'000'000'000L; waited += kWaitStepNanoseconds) {
        ::nanosleep(&step, nullptr);
    }
}

// The kernel's fault address is in the signal information only for faults it raised
// itself; for a signal sent by a process (abort's tgkill) those bytes are the sender's ids.
std::uint64_t faultAddress(int signo, const siginfo_t* info) {
    const bool fault = signo == SIGSEGV || signo == SIGBUS || signo == SIGILL || signo == SIGFPE || signo == SIGTRAP;
    if (info == nullptr || !fault || info->si_code <= 0) return 0;
    return reinterpret_cast<std::uint64_t>(info->si_addr);
}

// Where the backtrace of an uncaught exception starts: after this handler's frames and
// the runtime's throwing and terminating ones, at the frame that threw (called
// __cxa_throw or __cxa_rethrow), or at the noexcept function an exception was to leave.
// Without names to go by, after this handler's own frame.
int firstThrowingFrame(void* const* frames, int count) {
    static constexpr const char* kThrowing[] = {"__cxa_throw", "__cxa_rethrow", "__cxa_call_terminate",
                                                "_ZSt17rethrow_exceptionNSt15__exception_ptr13exception_ptrE"};
    for (int index = 0; index < count; ++index) {
        Dl_info symbol{};
        // A return address after a call that never returns may lie past its function.
        if (::dladdr(static_cast<char*>(frames[index]) - 1, &symbol) == 0 || symbol.dli_sname == nullptr) continue;
        for (const char* throwing : kThrowing) {
            if (std::strcmp(symbol.dli_sname, throwing) == 0) return index + 1;
        }
    }
    return count > 0 ? 1 : 0;
}

}  // namespace

void vtcrash_set_crash_handler(vtcrash_crash_handler handler, void* context) {
    crashHandlerContext.store(context, std::memory_order_release);
    crashHandler.store(handler, std::memory_order_release);
}

vtcrash_crash_context* vtcrash_shared_crash_context() {
    static vtcrash_crash_context* const context = new vtcrash_crash_context{};
    return context;
}

bool vtcrash_signal_callback(int signo, siginfo_t* info, ucontext_t* userContext, void* context,
                             const vlt::VTCrashSignalContinuation*) {
    const pid_t self = vtcrash_async_thread_self();
    pid_t writer = 0;
    if (!crashingThread.compare_exchange_strong(writer, self)) {
        // Another thread writes the log and then ends the process; its own fault, met
        // again while writing, ends the process at once.
        if (writer != self) waitForTheCrashingThread();
        resetCrashSignalsToDefault();
        return false;
    }

    auto* crash = static_cast<vtcrash_crash_context*>(context);
    vtcrash_async_thread_state state;
    const bool haveState = vtcrash_async_thread_state_ucontext_init(&state, userContext) == VTCRASH_OK;
    const vtcrash_log_signal_info signal = {signo, info != nullptr ? info->si_code : 0, faultAddress(signo, info)};
    const vtcrash_error_t written = vtcrash_write_report(crash, self, haveState ? &state : nullptr, &signal);
    const vtcrash_crash_handler handler = crashHandler.load(std::memory_order_acquire);
    if (written == VTCRASH_OK && handler != nullptr) {
        handler(info, userContext, crashHandlerContext.load(std::memory_order_acquire));
    }

    resetCrashSignalsToDefault();
    return false;
}

[[noreturn]] void vtcrash_uncaught_exception_handler() {
    static std::atomic<bool> recorded{false};
    bool expected = false;
    const std::type_info* type = abi::__cxa_current_exception_type();
    if (type != nullptr && recorded.compare_exchange_strong(expected, true)) {
        int status = 0;
        char* demangled = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
        std::string name = status == 0 && demangled != nullptr ? demangled : type->name();
        std::free(demangled);
        std::string reason;
        try {
            throw;
        } catch (const vlt::VTCrashReporterException& exception) {
            name = exception.name();
            reason = exception.reason();
        } catch (const std::exception& exception) {
            reason = exception.what();
        } catch (...) {}
        // Nothing has unwound yet: the stack is still the one that threw.
        constexpr int kMaximumAddresses = static_cast<int>(VTCRASH_LOG_WRITER_MAX_FRAMES);
        void* frames[kMaximumAddresses];
        const int count = ::backtrace(frames, kMaximumAddresses);
        const int first = firstThrowingFrame(frames, count);
        std::uint64_t addresses[kMaximumAddresses];
        for (int index = first; index < count; ++index) {
            addresses[index - first] = reinterpret_cast<std::uint64_t>(frames[index]);
        }
        vtcrash_log_writer_set_exception(&vtcrash_shared_crash_context()->writer, name.c_str(), reason.c_str(),
                                         addresses, static_cast<size_t>(count - first));
    }
    std::abort();
}
