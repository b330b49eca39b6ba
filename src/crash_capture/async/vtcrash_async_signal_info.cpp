#include "crash_capture/async/vtcrash_async_signal_info.h"

#include <csignal>

#include "crash_capture/async/vtcrash_async_decimal.h"

namespace {

struct SignalName {
    int signo;
    const char* name;
};

#define VTCRASH_NAMED(constant) \
    { constant, #constant }

// Where Linux gives one number two names (SIGIOT, SIGIO, SIGCLD), the first wins.
constexpr SignalName kSignals[] = {
    VTCRASH_NAMED(SIGHUP),  VTCRASH_NAMED(SIGINT),    VTCRASH_NAMED(SIGQUIT), VTCRASH_NAMED(SIGILL),
    VTCRASH_NAMED(SIGTRAP), VTCRASH_NAMED(SIGABRT),   VTCRASH_NAMED(SIGBUS),  VTCRASH_NAMED(SIGFPE),
    VTCRASH_NAMED(SIGKILL), VTCRASH_NAMED(SIGUSR1),   VTCRASH_NAMED(SIGSEGV), VTCRASH_NAMED(SIGUSR2),
    VTCRASH_NAMED(SIGPIPE), VTCRASH_NAMED(SIGALRM),   VTCRASH_NAMED(SIGTERM), VTCRASH_NAMED(SIGSTKFLT),
    VTCRASH_NAMED(SIGCHLD), VTCRASH_NAMED(SIGCONT),   VTCRASH_NAMED(SIGSTOP), VTCRASH_NAMED(SIGTSTP),
    VTCRASH_NAMED(SIGTTIN), VTCRASH_NAMED(SIGTTOU),   VTCRASH_NAMED(SIGURG),  VTCRASH_NAMED(SIGXCPU),
    VTCRASH_NAMED(SIGXFSZ), VTCRASH_NAMED(SIGVTALRM), VTCRASH_NAMED(SIGPROF), VTCRASH_NAMED(SIGWINCH),
    VTCRASH_NAMED(SIGIO),   VTCRASH_NAMED(SIGPWR),    VTCRASH_NAMED(SIGSYS),
};

struct CodeName {
    // 0 for the codes that any signal may carry.
    int signo;
    int code;
    const char* name;
};

#define VTCRASH_CODE(signal, constant) \
    { signal, constant, #constant }

constexpr CodeName kCodes[] = {
    VTCRASH_CODE(SIGILL, ILL_ILLOPC),    VTCRASH_CODE(SIGILL, ILL_ILLOPN),    VTCRASH_CODE(SIGILL, ILL_ILLADR),
    VTCRASH_CODE(SIGILL, ILL_ILLTRP),    VTCRASH_CODE(SIGILL, ILL_PRVOPC),    VTCRASH_CODE(SIGILL, ILL_PRVREG),
    VTCRASH_CODE(SIGILL, ILL_COPROC),    VTCRASH_CODE(SIGILL, ILL_BADSTK),    VTCRASH_CODE(SIGFPE, FPE_INTDIV),
    VTCRASH_CODE(SIGFPE, FPE_INTOVF),    VTCRASH_CODE(SIGFPE, FPE_FLTDIV),    VTCRASH_CODE(SIGFPE, FPE_FLTOVF),
    VTCRASH_CODE(SIGFPE, FPE_FLTUND),    VTCRASH_CODE(SIGFPE, FPE_FLTRES),    VTCRASH_CODE(SIGFPE, FPE_FLTINV),
    VTCRASH_CODE(SIGFPE, FPE_FLTSUB),    VTCRASH_CODE(SIGSEGV, SEGV_MAPERR),  VTCRASH_CODE(SIGSEGV, SEGV_ACCERR),
    VTCRASH_CODE(SIGSEGV, SEGV_BNDERR),  VTCRASH_CODE(SIGSEGV, SEGV_PKUERR),  VTCRASH_CODE(SIGSEGV, SEGV_MTEAERR),
    VTCRASH_CODE(SIGSEGV, SEGV_MTESERR), VTCRASH_CODE(SIGBUS, BUS_ADRALN),    VTCRASH_CODE(SIGBUS, BUS_ADRERR),
    VTCRASH_CODE(SIGBUS, BUS_OBJERR),    VTCRASH_CODE(SIGBUS, BUS_MCEERR_AR), VTCRASH_CODE(SIGBUS, BUS_MCEERR_AO),
    VTCRASH_CODE(SIGTRAP, TRAP_BRKPT),   VTCRASH_CODE(SIGTRAP, TRAP_TRACE),   VTCRASH_CODE(SIGTRAP, TRAP_BRANCH),
    VTCRASH_CODE(SIGTRAP, TRAP_HWBKPT),  VTCRASH_CODE(SIGTRAP, TRAP_UNK),     VTCRASH_CODE(0, SI_USER),
    VTCRASH_CODE(0, SI_KERNEL),          VTCRASH_CODE(0, SI_QUEUE),           VTCRASH_CODE(0, SI_TIMER),
    VTCRASH_CODE(0, SI_MESGQ),           VTCRASH_CODE(0, SI_ASYNCIO),         VTCRASH_CODE(0, SI_SIGIO),
    VTCRASH_CODE(0, SI_TKILL),           VTCRASH_CODE(0, SI_DETHREAD),        VTCRASH_CODE(0, SI_ASYNCNL),
};

#undef VTCRASH_NAMED
#undef VTCRASH_CODE

const char* numberText(int number, char (&buffer)[VTCRASH_SIGNAL_TEXT_SIZE]) {
    buffer[0] = '#';
    vtcrash_async_format_int64(number, buffer + 1, sizeof buffer - 1);
    return buffer;
}

}  // namespace

const char* vtcrash_async_signal_signame(int signo) {
    for (const SignalName& signal : kSignals) {
        if (signal.signo == signo) return signal.name;
    }
    return nullptr;
}

const char* vtcrash_async_signal_sigcode(int signo, int code) {
    // The fault codes overlap between signals (1 is SEGV_MAPERR and BUS_ADRALN), so the
    // signal's own entries are searched before the shared ones.
    for (const CodeName& entry : kCodes) {
        if (entry.signo == signo && entry.code == code) return entry.name;
    }
    for (const CodeName& entry : kCodes) {
        if (entry.signo == 0 && entry.code == code) return entry.name;
    }
    return nullptr;
}

const char* vtcrash_async_signal_name_text(int signo, char (&buffer)[VTCRASH_SIGNAL_TEXT_SIZE]) {
    const char* name = vtcrash_async_signal_signame(signo);
    return name != nullptr ? name : numberText(signo, buffer);
}

const char* vtcrash_async_signal_code_text(int signo, int code, char (&buffer)[VTCRASH_SIGNAL_TEXT_SIZE]) {
    const char* name = vtcrash_async_signal_sigcode(signo, code);
    return name != nullptr ? name : numberText(code, buffer);
}
