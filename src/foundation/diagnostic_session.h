#pragma once

#include "base/clock.h"

namespace vlt {

// The span between session_started and session_ended. The application uses the
// shared session on the system clock; tests make their own on a manual clock.
class DiagnosticSession {
public:
    // The launch uptime is read from the clock here, once.
    explicit DiagnosticSession(const Clock& clock);

    // Writes session_started unless the session is already active.
    void start();
    // Writes session_ended with the whole milliseconds since launch, unless the
    // session is not active.
    void end();

    bool isActive() const { return active_; }
    double launchUptime() const { return launchUptime_; }

    // Made on first use, which records the launch uptime.
    static DiagnosticSession& shared();

private:
    const Clock& clock_;
    double launchUptime_;
    // Touched only on the main thread, by the application's launch and termination.
    bool active_ = false;
};

}  // namespace vlt
