#include "foundation/capturing_event_log_sink.h"

#include "foundation/event_log.h"

namespace vlt {

std::string_view CapturedEvent::name() const {
    const std::string_view text = line;
    return text.substr(0, text.find(' '));
}

namespace {

// True when the text starts with a key name ([a-z_]+) followed by "=".
bool startsWithKey(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && ((text[length] >= 'a' && text[length] <= 'z') || text[length] == '_')) ++length;
    return length > 0 && length < text.size() && text[length] == '=';
}

}  // namespace

std::optional<std::string> CapturedEvent::value(std::string_view key) const {
    const std::string marker = " " + std::string(key) + "=";
    const std::size_t start = line.find(marker);
    if (start == std::string::npos) return std::nullopt;
    const std::size_t valueStart = start + marker.size();
    // Values may hold blanks and "=", so a value ends only where the next key begins.
    std::size_t end = valueStart;
    while (end < line.size() && !(line[end] == ' ' && startsWithKey(std::string_view(line).substr(end + 1)))) ++end;
    return line.substr(valueStart, end - valueStart);
}

bool CapturingEventLogSink::isEnabled(EventLogCategory, EventLogLevel level) const {
    std::lock_guard lock(mutex_);
    return level == EventLogLevel::error ? errorEnabled_ : standardEnabled_;
}

void CapturingEventLogSink::write(const EventLogEntry& entry) {
    std::lock_guard lock(mutex_);
    events_.push_back(CapturedEvent{std::string(entry.line), entry.category, entry.level});
}

void CapturingEventLogSink::setLevelEnabled(EventLogLevel level, bool enabled) {
    std::lock_guard lock(mutex_);
    (level == EventLogLevel::error ? errorEnabled_ : standardEnabled_) = enabled;
}

std::vector<CapturedEvent> CapturingEventLogSink::events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

std::vector<std::string> CapturingEventLogSink::lines() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> result;
    result.reserve(events_.size());
    for (const CapturedEvent& event : events_) result.push_back(event.line);
    return result;
}

std::vector<CapturedEvent> CapturingEventLogSink::eventsNamed(std::string_view name) const {
    std::lock_guard lock(mutex_);
    std::vector<CapturedEvent> result;
    for (const CapturedEvent& event : events_) {
        if (event.name() == name) result.push_back(event);
    }
    return result;
}

std::optional<CapturedEvent> CapturingEventLogSink::lastEvent() const {
    std::lock_guard lock(mutex_);
    if (events_.empty()) return std::nullopt;
    return events_.back();
}

std::size_t CapturingEventLogSink::count() const {
    std::lock_guard lock(mutex_);
    return events_.size();
}

void CapturingEventLogSink::clear() {
    std::lock_guard lock(mutex_);
    events_.clear();
}

ScopedCapturingEventLog::ScopedCapturingEventLog()
    : sink_(std::make_shared<CapturingEventLogSink>()), previous_(EventLog::install(sink_)) {}

ScopedCapturingEventLog::~ScopedCapturingEventLog() { EventLog::install(previous_); }

}  // namespace vlt
