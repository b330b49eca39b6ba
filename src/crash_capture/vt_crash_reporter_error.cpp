#include "crash_capture/vt_crash_reporter_error.h"

#include <utility>

namespace vlt {

VTCrashReporterError::VTCrashReporterError(VTCrashReporterErrorCode code, std::string description, ErrorPtr underlying)
    : code_(code), description_(std::move(description)), underlying_(std::move(underlying)) {}

}  // namespace vlt
