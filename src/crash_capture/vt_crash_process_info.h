#pragma once

#include <optional>
#include <string>
#include <sys/time.h>
#include <sys/types.h>

namespace vlt {

// The facts of one process that a crash log carries, from its /proc entries. None of
// this runs at crash time.
class VTCrashProcessInfo {
public:
    static std::optional<VTCrashProcessInfo> currentProcessInfo();
    // Null when the process cannot be looked up (it does not exist, or is not ours to read).
    static std::optional<VTCrashProcessInfo> forProcessID(pid_t processID);

    pid_t processID() const { return processID_; }
    // The kernel's name of the process (at most 16 bytes, cut to valid UTF-8); null
    // when nothing of it is valid.
    const std::optional<std::string>& processName() const { return processName_; }
    pid_t parentProcessID() const { return parentProcessID_; }
    // When the process started, since 1970-01-01 UTC.
    timeval startTime() const { return startTime_; }
    // Whether a debugger (any tracer) is attached.
    bool isTraced() const { return traced_; }
    // The executable's path; empty when it cannot be read.
    const std::string& executablePath() const { return executablePath_; }

private:
    pid_t processID_ = 0;
    std::optional<std::string> processName_;
    pid_t parentProcessID_ = 0;
    timeval startTime_{};
    bool traced_ = false;
    std::string executablePath_;
};

}  // namespace vlt
