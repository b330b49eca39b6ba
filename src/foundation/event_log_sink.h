#pragma once

#include <string_view>

namespace vlt {

// The areas of the event log; each event belongs to one.
enum class EventLogCategory { lifecycle, imageImport, editor, settings, output, feedback, crashReporting, updates };

// Events are written at the default level, failures at the error level; nothing
// else is used.
enum class EventLogLevel { standard, error };

// The subsystem that every event is filed under.
inline constexpr std::string_view kEventLogSubsystem = "com.veltrano.mac";

// "lifecycle", "image-import", "editor", "settings", "output", "feedback",
// "crash-reporting", "updates".
std::string_view eventLogCategoryName(EventLogCategory category);

// "default" or "error".
std::string_view eventLogLevelName(EventLogLevel level);

// One event as it leaves the system: a finished line with where it belongs.
struct EventLogEntry {
    std::string_view subsystem;
    EventLogCategory category;
    EventLogLevel level;
    std::string_view line;
};

// Where event lines go. Sinks are called from any thread and must never fail
// visibly: logging is not allowed to disturb the work that it records.
class EventLogSink {
public:
    virtual ~EventLogSink() = default;
    // Asked before anything is formatted, so a disabled level costs nothing.
    virtual bool isEnabled(EventLogCategory category, EventLogLevel level) const = 0;
    virtual void write(const EventLogEntry& entry) = 0;
};

}  // namespace vlt
