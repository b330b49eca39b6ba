#pragma once

#include <functional>
#include <string>

namespace vlt {

// The crash capture component's own diagnostic lines. They go to standard error with
// the prefix "[VTCrashReporter] ", never to the application's event log, and never at
// crash time.
void vtCrashReporterLog(const std::string& message);

// Replaces where the lines go (tests capture them) and returns the previous receiver;
// an empty function restores standard error. The receiver gets the prefixed line.
using VTCrashReporterLogSink = std::function<void(const std::string& line)>;
VTCrashReporterLogSink setVTCrashReporterLogSink(VTCrashReporterLogSink sink);

}  // namespace vlt
