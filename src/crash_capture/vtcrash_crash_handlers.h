#pragma once

#include <csignal>

#include "crash_capture/vt_crash_signal_handler.h"
#include "crash_capture/vtcrash_log_writer.h"

// The crash-time paths of an enabled reporter and the one context they write with.

// The process-wide context, filled when capture is enabled and read by the handlers
// below; never freed, since a crash may come while the process ends.
vtcrash_crash_context* vtcrash_shared_crash_context();

// The signals the crash path handles, in the order they are registered.
constexpr int VTCRASH_CRASH_SIGNALS[] = {SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGSEGV, SIGTRAP};

// What a crash calls once its log is written: on the crashing thread, inside the signal
// handler, so only async-signal-safe work; given the signal's information, the
// interrupted context and the context it was set with.
using vtcrash_crash_handler = void (*)(siginfo_t* info, ucontext_t* user_context, void* context);

// Replaces the process-wide crash handler and its context (none at start).
void vtcrash_set_crash_handler(vtcrash_crash_handler handler, void* context);

// Signal callback (context: a vtcrash_crash_context). The first crashing thread writes
// the crash log and, when that succeeded, calls the crash handler; a thread that crashes
// meanwhile waits for it instead of ending the process half-way through the write. Only
// then are the crash signals put back to their default action, and the answer "not
// handled" re-raises the signal under it.
bool vtcrash_signal_callback(int signo, siginfo_t* info, ucontext_t* userContext, void* context,
                             const vlt::VTCrashSignalContinuation* next);

// The std::terminate handler: the first uncaught exception's name (its type's, or the one
// a VTCrashReporterException carries), what() and the backtrace from the frame that threw
// go into the shared context's writer state, then abort() takes the SIGABRT path.
[[noreturn]] void vtcrash_uncaught_exception_handler();
