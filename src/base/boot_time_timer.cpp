#include "base/boot_time_timer.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <utility>

#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace vlt {

namespace {

constexpr double kNanosecondsPerSecond = 1e9;

// A zero expiry would disarm the timer: the shortest wait is one nanosecond.
itimerspec expiryAfter(double delaySeconds) {
    const double bounded = std::isfinite(delaySeconds) ? std::max(delaySeconds, 0.0) : 0.0;
    const double whole = std::floor(bounded);
    itimerspec expiry{};
    expiry.it_value.tv_sec = static_cast<time_t>(whole);
    expiry.it_value.tv_nsec = static_cast<long>((bounded - whole) * kNanosecondsPerSecond);
    if (expiry.it_value.tv_sec == 0 && expiry.it_value.tv_nsec == 0) expiry.it_value.tv_nsec = 1;
    return expiry;
}

}  // namespace

std::unique_ptr<BootTimeTimer> BootTimeTimer::start(double delaySeconds, std::function<void()> fired, QObject* parent) {
    FileDescriptor timer(::timerfd_create(CLOCK_BOOTTIME, TFD_CLOEXEC | TFD_NONBLOCK));
    if (!timer.isOpen()) return nullptr;
    const itimerspec expiry = expiryAfter(delaySeconds);
    if (::timerfd_settime(timer.get(), 0, &expiry, nullptr) != 0) return nullptr;
    return std::unique_ptr<BootTimeTimer>(new BootTimeTimer(std::move(timer), std::move(fired), parent));
}

BootTimeTimer::BootTimeTimer(FileDescriptor timer, std::function<void()> fired, QObject* parent)
    : QObject(parent),
      timer_(std::move(timer)),
      notifier_(new QSocketNotifier(timer_.get(), QSocketNotifier::Read, this)),
      fired_(std::move(fired)) {
    connect(notifier_, &QSocketNotifier::activated, this, &BootTimeTimer::expire);
}

BootTimeTimer::~BootTimeTimer() { notifier_->setEnabled(false); }

void BootTimeTimer::expire() {
    std::uint64_t expirations = 0;
    ssize_t read = -1;
    do {
        read = ::read(timer_.get(), &expirations, sizeof expirations);
    } while (read < 0 && errno == EINTR);
    if (read != static_cast<ssize_t>(sizeof expirations)) return;  // woken without an expiry
    notifier_->setEnabled(false);
    if (std::function<void()> fired = std::exchange(fired_, nullptr)) fired();
}

}  // namespace vlt
