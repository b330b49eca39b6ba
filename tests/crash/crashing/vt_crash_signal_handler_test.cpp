#include "crash/capture/vt_crash_signal_handler.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace vlt {
namespace {

// What the callbacks and the previous actions saw, for one raised signal.
struct Seen {
    int callbacks = 0;
    int previousInfoHandler = 0;
    int previousPlainHandler = 0;
    bool passedOnAnswer = false;
};
Seen seen;

bool passingOn(int signo, siginfo_t* info, ucontext_t* userContext, void*, const VTCrashSignalContinuation* next) {
    ++seen.callbacks;
    seen.passedOnAnswer = vtcrash_signal_continue(next, signo, info, userContext);
    return seen.passedOnAnswer;
}

bool handling(int, siginfo_t*, ucontext_t*, void* context, const VTCrashSignalContinuation*) {
    ++*static_cast<int*>(context);
    return true;
}

void previousInfoHandler(int, siginfo_t*, void*) { ++seen.previousInfoHandler; }
void previousPlainHandler(int) { ++seen.previousPlainHandler; }

void installPrevious(int signo, void (*plain)(int), void (*withInfo)(int, siginfo_t*, void*)) {
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    if (withInfo != nullptr) {
        action.sa_sigaction = withInfo;
        action.sa_flags = SA_SIGINFO;
    } else {
        action.sa_handler = plain;
    }
    ASSERT_EQ(::sigaction(signo, &action, nullptr), 0);
}

TEST(VTCrashSignalHandlerTest, CallbacksRunLastRegisteredFirstThenThePreviousAction) {
    const struct {
        const char* previous;
        void (*plain)(int);
        void (*withInfo)(int, siginfo_t*, void*);
        Seen expected;
    } rows[] = {
        {"three-argument handler", nullptr, previousInfoHandler, {1, 1, 0, true}},
        {"plain handler", previousPlainHandler, nullptr, {1, 0, 1, true}},
        {"ignored", SIG_IGN, nullptr, {1, 0, 0, true}},
    };
    for (const auto& row : rows) {
        installPrevious(SIGUSR1, row.plain, row.withInfo);
        seen = {};
        ASSERT_TRUE(VTCrashSignalHandler::sharedHandler().registerHandlerForSignal(SIGUSR1, passingOn, nullptr));
        ::raise(SIGUSR1);
        EXPECT_EQ(seen.callbacks, row.expected.callbacks) << row.previous;
        EXPECT_EQ(seen.previousInfoHandler, row.expected.previousInfoHandler) << row.previous;
        EXPECT_EQ(seen.previousPlainHandler, row.expected.previousPlainHandler) << row.previous;
        EXPECT_EQ(seen.passedOnAnswer, row.expected.passedOnAnswer) << row.previous;
        VTCrashSignalHandler::resetHandlers();
    }

    // The later callback runs first and, handling the signal, keeps it from the earlier one.
    int handled = 0;
    seen = {};
    ASSERT_TRUE(VTCrashSignalHandler::sharedHandler().registerHandlerForSignal(SIGUSR2, passingOn, nullptr));
    ASSERT_TRUE(VTCrashSignalHandler::sharedHandler().registerHandlerForSignal(SIGUSR2, handling, &handled));
    ::raise(SIGUSR2);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(seen.callbacks, 0);
    VTCrashSignalHandler::resetHandlers();

    // Reset puts the action from before back in place.
    struct sigaction restored {};
    ::sigaction(SIGUSR1, nullptr, &restored);
    EXPECT_EQ(restored.sa_handler, SIG_IGN);
}

// In a child process: a hang becomes SIGALRM, which fails the expected signal.
void raiseUnderRegistry(int signo, bool ignoredBefore) {
    ::alarm(5);
    if (ignoredBefore) ::signal(signo, SIG_IGN);
    if (!VTCrashSignalHandler::sharedHandler().registerHandlerForSignal(signo, passingOn, nullptr)) ::_exit(2);
    if (signo == SIGSEGV) {
        *static_cast<volatile int*>(nullptr) = 1;
    } else {
        ::raise(signo);
    }
    ::_exit(0);
}

TEST(VTCrashSignalHandlerDeathTest, ASignalNothingHandlesEndsTheProcessInsteadOfComingBack) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // A fault the previous action ignored would otherwise run the faulting write forever.
    EXPECT_EXIT(raiseUnderRegistry(SIGSEGV, true), ::testing::KilledBySignal(SIGSEGV), "");
    // Re-raised under our own handler it would come straight back.
    EXPECT_EXIT(raiseUnderRegistry(SIGUSR1, false), ::testing::KilledBySignal(SIGUSR1), "");
}

}  // namespace
}  // namespace vlt
