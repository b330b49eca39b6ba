#pragma once

#include <csignal>

#include "base/result.h"

namespace vlt {

// The callbacks after the one that runs, handed to it so that it can pass the signal on.
struct VTCrashSignalContinuation;

// One callback of the chain; runs inside the signal handler, so crash-time rules apply.
// Answers true when it handled the signal.
using VTCrashSignalCallback = bool (*)(int signo, siginfo_t* info, ucontext_t* userContext, void* context,
                                       const VTCrashSignalContinuation* next);

// Runs the callback after the current one with the same signal; false when there is
// none or it did not handle the signal. `next` may be null.
bool vtcrash_signal_continue(const VTCrashSignalContinuation* next, int signo, siginfo_t* info,
                             ucontext_t* userContext);

// One process-wide handler for each fatal signal that capture asks for, running a
// chain of callbacks: the callback registered last runs first, and behind the
// callbacks come the actions that were installed before ours. A signal that nothing
// handles ends the process under its default action. Handlers run on the registering
// thread's alternate stack (AlternateSignalStack), so a stack overflow is still caught
// there; other threads get theirs when they start.
class VTCrashSignalHandler {
public:
    static VTCrashSignalHandler& sharedHandler();

    // Installs the handler for the signal (once per signal) and puts the callback at the
    // head of the chain. VTCrashReporterError (operating-system failure) when the
    // alternate stack or sigaction fails.
    VoidResult registerHandlerForSignal(int signo, VTCrashSignalCallback callback, void* context);
    // The installation alone: the alternate stack of the calling thread, one more
    // previous-action callback at the tail, and the handler unless it is in place.
    VoidResult registerHandlerWithSignal(int signo);

    // Puts every action that was there before ours back in place and forgets every
    // callback, so that a later signal is not re-raised under a handler with nothing to run.
    static void resetHandlers();

    VTCrashSignalHandler(const VTCrashSignalHandler&) = delete;
    VTCrashSignalHandler& operator=(const VTCrashSignalHandler&) = delete;

private:
    VTCrashSignalHandler() = default;
};

}  // namespace vlt
