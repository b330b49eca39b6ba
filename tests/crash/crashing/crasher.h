#pragma once

#include <filesystem>
#include <string>

namespace vlt::testing {

// Runs the crasher program with capture enabled under `basePath` and answers the signal
// it died by; 0 when it exited, or when it was still running at the 10-second deadline
// and was killed (a crash handler must never hang).
int runCrasher(const std::string& kind, const std::string& basePath);

// Where the crasher's (and the application's) crash log lies under `basePath`.
std::filesystem::path crashLogPath(const std::string& basePath);

}  // namespace vlt::testing
