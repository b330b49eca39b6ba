#include "foundation/stderr_event_log_sink.h"

#include <cstdio>

namespace vlt {

bool StderrEventLogSink::isEnabled(EventLogCategory, EventLogLevel) const { return true; }

void StderrEventLogSink::write(const EventLogEntry& entry) {
    const std::string_view category = eventLogCategoryName(entry.category);
    const std::string_view level = eventLogLevelName(entry.level);
    // One call per line, so that lines from several threads do not interleave.
    std::fprintf(stderr, "[%.*s %.*s] %.*s\n", static_cast<int>(category.size()), category.data(),
                 static_cast<int>(level.size()), level.data(), static_cast<int>(entry.line.size()), entry.line.data());
}

}  // namespace vlt
