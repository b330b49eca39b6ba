#include "crash_capture/vt_crash_signal_handler.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

#include "crash_capture/vt_crash_reporter.h"
#include "crash_capture/vt_crash_reporter_error.h"

namespace vlt {
namespace {

int callbacks = 0;
int previousHandlers = 0;

bool passingOn(int signo, siginfo_t* info, ucontext_t* userContext, void*, const VTCrashSignalContinuation* next) {
    ++callbacks;
    return vtcrash_signal_continue(next, signo, info, userContext);
}

bool handling(int, siginfo_t*, ucontext_t*, void*, const VTCrashSignalContinuation*) { return true; }

TEST(VTCrashSignalHandlerTest, CallbacksRunLastRegisteredFirstThenThePreviousAction) {
    const std::tuple<void (*)(int), VTCrashSignalCallback, int, int> rows[] = {
        {[](int) { ++previousHandlers; }, passingOn, 2, 1},
        {SIG_IGN, passingOn, 2, 0},
        {[](int) { ++previousHandlers; }, handling, 0, 0},
    };
    for (const auto& [previous, later, expectedCallbacks, expectedPreviousHandlers] : rows) {
        ::signal(SIGUSR1, previous);
        callbacks = previousHandlers = 0;
        ASSERT_TRUE(VTCrashSignalHandler::sharedHandler().registerHandlerForSignal(SIGUSR1, passingOn, nullptr));
        ASSERT_TRUE(VTCrashSignalHandler::sharedHandler().registerHandlerForSignal(SIGUSR1, later, nullptr));
        ::raise(SIGUSR1);
        EXPECT_EQ(callbacks, expectedCallbacks);
        EXPECT_EQ(previousHandlers, expectedPreviousHandlers);
        VTCrashSignalHandler::resetHandlers();
        EXPECT_EQ(::signal(SIGUSR1, SIG_DFL), previous);  // back in place
    }
}

// The death tests run in child processes, which keep what they install; a hang ends in
// SIGALRM, which fails the expected signal.
void raiseUnderRegistry(int signo, void (*previous)(int)) {
    ::alarm(5);
    ::signal(signo, previous);
    if (!VTCrashSignalHandler::sharedHandler().registerHandlerForSignal(signo, passingOn, nullptr)) ::_exit(2);
    if (signo == SIGSEGV) *static_cast<volatile int*>(nullptr) = 1;
    ::raise(signo);
    ::_exit(0);
}

// Exits with the second attempt's error code.
void enableTwice(const std::string& basePath) {
    VTCrashReporterConfig configuration;
    configuration.basePath = basePath;
    VTCrashReporter first("org.veltrano/tests", "7", std::nullopt, configuration), second = first;
    if (!first.enableCrashReporter() || !std::filesystem::is_directory(first.queuedCrashReportDirectory())) ::_exit(1);
    if (first.crashReportDirectory() != std::filesystem::path(basePath) / "vtcrash/org.veltrano_tests") ::_exit(1);
    const VoidResult again = second.enableCrashReporter();
    ::_exit(again ? 0 : static_cast<int>(again.error()->code()));
}

// Says how each attempt went, then exits.
void enableInTheMachModeThenWithSignals(const std::string& basePath) {
    VTCrashReporterConfig configuration;
    configuration.basePath = basePath;
    configuration.signalHandlerType = VTCrashReporter::kSignalHandlerTypeMach;
    VTCrashReporter mach("org.veltrano/tests", "7", std::nullopt, configuration);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const VoidResult refused = mach.enableCrashReporter();
        if (refused) ::_exit(1);
        const auto* error = dynamic_cast<const VTCrashReporterError*>(refused.error().get());
        std::fprintf(stderr, "refused: %s %lld %s\n", error->domain().c_str(), static_cast<long long>(error->code()),
                     error->description().c_str());
    }
    struct sigaction before {};
    ::sigaction(SIGSEGV, nullptr, &before);
    configuration.signalHandlerType = VTCrashReporter::kSignalHandlerTypeSignals;
    VTCrashReporter withSignals("org.veltrano/tests", "7", std::nullopt, configuration);
    if (!withSignals.enableCrashReporter()) ::_exit(2);
    struct sigaction after {};
    ::sigaction(SIGSEGV, nullptr, &after);
    std::fprintf(stderr, "then enabled: %s\n",
                 mach.isEnabled() || after.sa_handler == before.sa_handler ? "no" : "yes");
    ::_exit(0);
}

// Mach exceptions have no counterpart here: that mode is refused rather than enabled
// with no crash handler at all, and being refused installs nothing, so capture may still
// be enabled with the signal handlers.
TEST(VTCrashSignalHandlerDeathTest, TheMachModeIsRefusedAndLeavesEnablingOpen) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir base;
    const std::string refused =
        "refused: VTCrashReporterErrorDomain 0 The Mach exception handler type \\(1\\) is not available on this "
        "system\n";
    EXPECT_EXIT(enableInTheMachModeThenWithSignals(base.path().toStdString()), ::testing::ExitedWithCode(0),
                refused + refused + "then enabled: yes\n");
}

TEST(VTCrashSignalHandlerDeathTest, NothingComesBackAndCaptureIsEnabledOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // An ignored fault would run the faulting write again, forever.
    EXPECT_EXIT(raiseUnderRegistry(SIGSEGV, SIG_IGN), ::testing::KilledBySignal(SIGSEGV), "");
    // Re-raised under our own handler it would come straight back.
    EXPECT_EXIT(raiseUnderRegistry(SIGUSR1, SIG_DFL), ::testing::KilledBySignal(SIGUSR1), "");
    QTemporaryDir base;
    EXPECT_EXIT(enableTwice(base.path().toStdString()),
                ::testing::ExitedWithCode(static_cast<int>(VTCrashReporterErrorCode::alreadyEnabled)), "");
}

}  // namespace
}  // namespace vlt
