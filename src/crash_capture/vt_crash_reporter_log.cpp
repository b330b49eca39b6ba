#include "crash_capture/vt_crash_reporter_log.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace vlt {

namespace {

std::mutex sinkMutex;
VTCrashReporterLogSink& currentSink() {
    static VTCrashReporterLogSink sink;
    return sink;
}

}  // namespace

void vtCrashReporterLog(const std::string& message) {
    const std::string line = "[VTCrashReporter] " + message;
    const std::lock_guard lock(sinkMutex);
    if (currentSink()) {
        currentSink()(line);
    } else {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
}

VTCrashReporterLogSink setVTCrashReporterLogSink(VTCrashReporterLogSink sink) {
    const std::lock_guard lock(sinkMutex);
    return std::exchange(currentSink(), std::move(sink));
}

}  // namespace vlt
