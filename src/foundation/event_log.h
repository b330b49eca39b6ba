#pragma once

#include <memory>

#include "foundation/event_log_sink.h"

namespace vlt {

// The process-wide destination of event lines. Until the application installs its
// sink, lines go to standard error.
class EventLog {
public:
    EventLog() = delete;

    // Never null.
    static std::shared_ptr<EventLogSink> sink();
    // Installs a sink (null restores the standard-error sink) and returns the one
    // it replaces, so that a caller can put it back.
    static std::shared_ptr<EventLogSink> install(std::shared_ptr<EventLogSink> sink);
};

}  // namespace vlt
