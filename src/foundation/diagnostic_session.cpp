#include "foundation/diagnostic_session.h"

#include "foundation/diagnostic_log.h"
#include "foundation/elapsed_milliseconds.h"
#include "foundation/event_log.h"

namespace vlt {

DiagnosticSession::DiagnosticSession(const Clock& clock) : clock_(clock), launchUptime_(clock.uptimeSeconds()) {}

void DiagnosticSession::start() {
    if (active_) return;
    active_ = true;
    // Gathering the facts allocates; skip it when nobody would see the line.
    const EventDescriptor& descriptor = eventDescriptor(DiagnosticEvent::sessionStarted);
    if (!EventLog::sink()->isEnabled(descriptor.category, descriptor.level)) return;
    const SessionStartFacts facts = SessionStartFacts::current();
    DiagnosticLog::writeEvent(DiagnosticEvent::sessionStarted, EventValues().withSessionFacts(facts));
}

void DiagnosticSession::end() {
    if (!active_) return;
    active_ = false;
    const std::int64_t elapsed = wholeElapsedMilliseconds(launchUptime_, clock_);
    DiagnosticLog::writeEvent(DiagnosticEvent::sessionEnded, EventValues().withElapsedMilliseconds(elapsed));
}

DiagnosticSession& DiagnosticSession::shared() {
    static DiagnosticSession session(SystemClock::shared());
    return session;
}

}  // namespace vlt
