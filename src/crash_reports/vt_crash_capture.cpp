#include "crash_reports/vt_crash_capture.h"

namespace vlt {

VTCrashReporterConfig VTCrashCapture::applicationConfiguration() {
    VTCrashReporterConfig configuration;
    configuration.signalHandlerType = VTCrashReporter::kSignalHandlerTypeSignals;
    configuration.symbolicationStrategy = 0;
    configuration.shouldRegisterUncaughtExceptionHandler = true;
    configuration.basePath = std::nullopt;
    configuration.maxReportBytes = 10 * 1024 * 1024;
    return configuration;
}

}  // namespace vlt
