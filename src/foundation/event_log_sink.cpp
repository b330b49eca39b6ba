#include "foundation/event_log_sink.h"

namespace vlt {

std::string_view eventLogCategoryName(EventLogCategory category) {
    switch (category) {
    case EventLogCategory::lifecycle:
        return "lifecycle";
    case EventLogCategory::imageImport:
        return "image-import";
    case EventLogCategory::editor:
        return "editor";
    case EventLogCategory::settings:
        return "settings";
    case EventLogCategory::output:
        return "output";
    case EventLogCategory::feedback:
        return "feedback";
    case EventLogCategory::crashReporting:
        return "crash-reporting";
    case EventLogCategory::updates:
        return "updates";
    }
    return "lifecycle";
}

std::string_view eventLogLevelName(EventLogLevel level) { return level == EventLogLevel::error ? "error" : "default"; }

}  // namespace vlt
