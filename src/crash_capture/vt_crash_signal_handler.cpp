#include "crash_capture/vt_crash_signal_handler.h"

#include <cerrno>
#include <mutex>

#include "base/alternate_signal_stack.h"
#include "base/system_error.h"
#include "crash_capture/async/vtcrash_async_list.h"
#include "crash_capture/vt_crash_reporter_error.h"

namespace vlt {

namespace {

struct CallbackEntry {
    VTCrashSignalCallback callback = nullptr;
    void* context = nullptr;
};

struct PreviousAction {
    int signo = 0;
    struct sigaction action {};
};

using CallbackList = vtcrash_async_list<CallbackEntry>;
using PreviousActionList = vtcrash_async_list<PreviousAction>;

// Made once and never freed: a signal may arrive while the process is already tearing
// its static objects down, and the handler must still find its lists then.
struct SharedState {
    CallbackList callbacks;
    PreviousActionList previousActions;
    std::mutex registration;
};

SharedState& sharedState() {
    static SharedState* const state = new SharedState;
    return *state;
}

}  // namespace

struct VTCrashSignalContinuation {
    const CallbackList::node* node;
};

namespace {

// Runs the callback at `node` (or the head when none is given) and answers for it.
bool dispatch(const CallbackList::node* after, int signo, siginfo_t* info, ucontext_t* userContext) {
    CallbackList& callbacks = sharedState().callbacks;
    callbacks.set_reading(true);
    const CallbackList::node* current = after == nullptr ? callbacks.first() : CallbackList::next(after);
    bool handled = false;
    if (current != nullptr) {
        const VTCrashSignalContinuation next = {current};
        const bool hasNext = CallbackList::next(current) != nullptr;
        handled = current->value.callback(signo, info, userContext, current->value.context, hasNext ? &next : nullptr);
    }
    callbacks.set_reading(false);
    return handled;
}

// Ignoring a fault that the processor raised runs the faulting instruction again, and
// again, forever: for these signals an ignored previous action handles nothing.
bool isSynchronousFault(int signo) { return signo == SIGSEGV || signo == SIGBUS || signo == SIGILL || signo == SIGFPE; }

bool previousActionCallback(int signo, siginfo_t* info, ucontext_t* userContext, void*,
                            const VTCrashSignalContinuation* next) {
    if (next != nullptr && vtcrash_signal_continue(next, signo, info, userContext)) return true;

    PreviousActionList& actions = sharedState().previousActions;
    actions.set_reading(true);
    struct sigaction previous {};
    bool found = false;
    for (const PreviousActionList::node* entry = actions.first(); entry != nullptr;
         entry = PreviousActionList::next(entry)) {
        if (entry->value.signo != signo) continue;
        previous = entry->value.action;
        found = true;
        break;
    }
    actions.set_reading(false);
    if (!found) return false;

    if ((previous.sa_flags & SA_SIGINFO) != 0) {
        previous.sa_sigaction(signo, info, userContext);
        return true;
    }
    if (previous.sa_handler == SIG_IGN) return !isSynchronousFault(signo);
    if (previous.sa_handler == SIG_DFL) return false;
    previous.sa_handler(signo);
    return true;
}

void signalHandler(int signo, siginfo_t* info, void* userContext) {
    const int savedErrno = errno;
    if (!dispatch(nullptr, signo, info, static_cast<ucontext_t*>(userContext))) {
        // Nothing handled it. Re-raised under this handler it would come straight back
        // here, endlessly; under the default action it ends the process as it should.
        struct sigaction defaults {};
        defaults.sa_handler = SIG_DFL;
        sigemptyset(&defaults.sa_mask);
        ::sigaction(signo, &defaults, nullptr);
        ::raise(signo);
    }
    errno = savedErrno;
}

ErrorPtr registrationError(const char* description, int errnoValue) {
    return makeError<VTCrashReporterError>(VTCrashReporterErrorCode::operatingSystemFailure, description,
                                           makeSystemError(errnoValue));
}

}  // namespace

bool vtcrash_signal_continue(const VTCrashSignalContinuation* next, int signo, siginfo_t* info,
                             ucontext_t* userContext) {
    if (next == nullptr) return false;
    return dispatch(next->node, signo, info, userContext);
}

VTCrashSignalHandler& VTCrashSignalHandler::sharedHandler() {
    static VTCrashSignalHandler* const handler = new VTCrashSignalHandler;
    return *handler;
}

VoidResult VTCrashSignalHandler::registerHandlerForSignal(int signo, VTCrashSignalCallback callback, void* context) {
    VoidResult installed = registerHandlerWithSignal(signo);
    if (!installed) return installed;
    sharedState().callbacks.prepend({callback, context});
    return {};
}

VoidResult VTCrashSignalHandler::registerHandlerWithSignal(int signo) {
    SharedState& state = sharedState();
    const std::lock_guard lock(state.registration);

    // 1. This thread's alternate stack.
    if (!AlternateSignalStack::installForCurrentThread()) {
        return registrationError("Could not initialize alternative signal stack", errno);
    }
    // 2. Every installation puts one more previous-action callback at the tail.
    state.callbacks.append({previousActionCallback, nullptr});

    // 3. Once per signal.
    bool inPlace = false;
    state.previousActions.set_reading(true);
    for (const PreviousActionList::node* entry = state.previousActions.first(); entry != nullptr;
         entry = PreviousActionList::next(entry)) {
        inPlace = inPlace || entry->value.signo == signo;
    }
    state.previousActions.set_reading(false);
    if (inPlace) return {};

    // 4. Our handler, keeping the one it replaces.
    struct sigaction action {};
    action.sa_sigaction = signalHandler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    PreviousAction previous;
    previous.signo = signo;
    if (::sigaction(signo, &action, &previous.action) != 0) {
        return registrationError("Failed to register signal handler", errno);
    }
    state.previousActions.append(previous);
    return {};
}

void VTCrashSignalHandler::resetHandlers() {
    SharedState& state = sharedState();
    const std::lock_guard lock(state.registration);
    state.previousActions.set_reading(true);
    for (const PreviousActionList::node* entry = state.previousActions.first(); entry != nullptr;
         entry = PreviousActionList::next(entry)) {
        ::sigaction(entry->value.signo, &entry->value.action, nullptr);
    }
    state.previousActions.set_reading(false);
    state.previousActions.remove_all();
    state.callbacks.remove_all();
}

}  // namespace vlt
