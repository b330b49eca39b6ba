#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/event_log_sink.h"

namespace vlt {

// One event caught by a CapturingEventLogSink.
struct CapturedEvent {
    std::string line;
    EventLogCategory category;
    EventLogLevel level;

    // The event name: the line up to its first blank.
    std::string_view name() const;
    // The value of a key as written (up to the next " key=" or the end of the line);
    // none when the line has no such key.
    std::optional<std::string> value(std::string_view key) const;
};

// Keeps event lines in memory so that tests can read what was logged.
class CapturingEventLogSink final : public EventLogSink {
public:
    bool isEnabled(EventLogCategory category, EventLogLevel level) const override;
    void write(const EventLogEntry& entry) override;

    // Turns a level off (or on again), as the platform log may do; disabled events are
    // neither formatted nor written.
    void setLevelEnabled(EventLogLevel level, bool enabled);

    std::vector<CapturedEvent> events() const;
    std::vector<std::string> lines() const;
    // The events with this name, in the order written.
    std::vector<CapturedEvent> eventsNamed(std::string_view name) const;
    std::optional<CapturedEvent> lastEvent() const;
    std::size_t count() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<CapturedEvent> events_;
    bool standardEnabled_ = true;
    bool errorEnabled_ = true;
};

// Captures every event written while it lives, then puts back the sink that was
// installed before:
//
//     ScopedCapturingEventLog log;
//     model.save();
//     EXPECT_EQ(log->eventsNamed("settings_save_failed").size(), 1u);
class ScopedCapturingEventLog {
public:
    ScopedCapturingEventLog();
    ~ScopedCapturingEventLog();
    ScopedCapturingEventLog(const ScopedCapturingEventLog&) = delete;
    ScopedCapturingEventLog& operator=(const ScopedCapturingEventLog&) = delete;

    CapturingEventLogSink& sink() { return *sink_; }
    CapturingEventLogSink* operator->() { return sink_.get(); }

private:
    std::shared_ptr<CapturingEventLogSink> sink_;
    std::shared_ptr<EventLogSink> previous_;
};

}  // namespace vlt
