#include "app/termination_signal_watcher.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace vlt {

namespace {

int signalPipe[2] = {-1, -1};
constexpr int kWatchedSignals[] = {SIGTERM, SIGINT};

// Async-signal-safe: one write of the signal number, errno left as it was.
void handleTerminationSignal(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

bool installHandler(int signalNumber, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(signalNumber, &action, nullptr) == 0;
}

}  // namespace

TerminationSignalWatcher::TerminationSignalWatcher(QObject* parent) : QObject(parent) {
    if (signalPipe[0] != -1) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        signalPipe[0] = signalPipe[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignalWatcher::drain);
    for (const int signalNumber : kWatchedSignals) installHandler(signalNumber, handleTerminationSignal);
}

TerminationSignalWatcher::~TerminationSignalWatcher() {
    if (!notifier_) return;
    for (const int signalNumber : kWatchedSignals) installHandler(signalNumber, SIG_DFL);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void TerminationSignalWatcher::drain() {
    unsigned char byte = 0;
    while (::read(signalPipe[0], &byte, 1) == 1) emit terminationRequested(static_cast<int>(byte));
}

}  // namespace vlt
