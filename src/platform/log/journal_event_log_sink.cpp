#include "platform/log/journal_event_log_sink.h"

#include <cstdlib>
#include <cstring>

#include <syslog.h>
#include <unistd.h>

#include <systemd/sd-journal.h>

#include "foundation/event_log.h"
#include "foundation/stderr_event_log_sink.h"

namespace vlt {

namespace {

constexpr const char* kJournalSocket = "/run/systemd/journal/socket";

int priorityOf(EventLogLevel level) { return level == EventLogLevel::error ? LOG_ERR : LOG_NOTICE; }

int fieldLength(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

bool JournalEventLogSink::isEnabled(EventLogCategory, EventLogLevel) const { return true; }

void JournalEventLogSink::write(const EventLogEntry& entry) {
    const std::string_view category = eventLogCategoryName(entry.category);
    const int result =
        sd_journal_send("MESSAGE=%.*s", fieldLength(entry.line), entry.line.data(), "PRIORITY=%d",
                        priorityOf(entry.level), "SUBSYSTEM=%.*s", fieldLength(entry.subsystem), entry.subsystem.data(),
                        "CATEGORY=%.*s", fieldLength(category), category.data(), "SYSLOG_IDENTIFIER=veltrano", nullptr);
    if (result < 0) {
        StderrEventLogSink fallback;
        fallback.write(entry);
    }
}

bool JournalEventLogSink::isJournalAvailable() { return ::access(kJournalSocket, W_OK) == 0; }

std::shared_ptr<EventLogSink> makeSystemEventLogSink() {
    const char* chosen = std::getenv(kEventLogVariable);
    const bool wantsStandardError = chosen != nullptr && std::strcmp(chosen, "stderr") == 0;
    if (!wantsStandardError && JournalEventLogSink::isJournalAvailable())
        return std::make_shared<JournalEventLogSink>();
    return std::make_shared<StderrEventLogSink>();
}

void installSystemEventLog() { EventLog::install(makeSystemEventLogSink()); }

}  // namespace vlt
