#include "crash/capture/vt_crash_reporter_error.h"

#include <utility>

namespace vlt {

VTCrashReporterError::VTCrashReporterError(VTCrashReporterErrorCode code, std::string description)
    : code_(code), description_(std::move(description)) {}

}  // namespace vlt
