#pragma once

#include "foundation/event_log_sink.h"

namespace vlt {

// Writes each event as one line on standard error, prefixed with its category and
// level: "[settings error] settings_load_failed session_id=...".
class StderrEventLogSink final : public EventLogSink {
public:
    bool isEnabled(EventLogCategory category, EventLogLevel level) const override;
    void write(const EventLogEntry& entry) override;
};

}  // namespace vlt
