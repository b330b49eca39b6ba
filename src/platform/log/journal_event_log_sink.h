#pragma once

#include <memory>

#include "foundation/event_log_sink.h"

namespace vlt {

// Writes events to the systemd journal: the line as MESSAGE, the level as PRIORITY
// (error → err, default → notice), and the fields SUBSYSTEM and CATEGORY, so that
// `journalctl SUBSYSTEM=com.veltrano.mac CATEGORY=settings` finds them. A line the
// journal refuses goes to standard error instead.
class JournalEventLogSink final : public EventLogSink {
public:
    bool isEnabled(EventLogCategory category, EventLogLevel level) const override;
    void write(const EventLogEntry& entry) override;

    // True when this process can reach a journal (its socket exists).
    static bool isJournalAvailable();
};

// Set to "stderr", the events go to standard error even where a journal runs: to
// follow them in a terminal, or for a program that drives the application.
inline constexpr const char* kEventLogVariable = "VELTRANO_EVENT_LOG";

// The sink the application runs with: the journal when there is one (and standard error
// is not asked for), else standard error.
std::shared_ptr<EventLogSink> makeSystemEventLogSink();

// Installs makeSystemEventLogSink() as the process's event log. Called once at start.
void installSystemEventLog();

}  // namespace vlt
