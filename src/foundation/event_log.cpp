#include "foundation/event_log.h"

#include <mutex>

#include "foundation/stderr_event_log_sink.h"

namespace vlt {

namespace {

struct InstalledSink {
    std::mutex mutex;
    std::shared_ptr<EventLogSink> sink = std::make_shared<StderrEventLogSink>();
};

InstalledSink& installed() {
    static InstalledSink instance;
    return instance;
}

}  // namespace

std::shared_ptr<EventLogSink> EventLog::sink() {
    InstalledSink& state = installed();
    std::lock_guard lock(state.mutex);
    return state.sink;
}

std::shared_ptr<EventLogSink> EventLog::install(std::shared_ptr<EventLogSink> sink) {
    if (!sink) sink = std::make_shared<StderrEventLogSink>();
    InstalledSink& state = installed();
    std::lock_guard lock(state.mutex);
    state.sink.swap(sink);
    return sink;
}

}  // namespace vlt
