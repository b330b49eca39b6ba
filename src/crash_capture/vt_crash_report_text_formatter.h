#pragma once

#include <cstdint>
#include <string>

#include "crash_capture/vt_crash_report.h"

namespace vlt {

// There is one layout; the value travels with the text for callers that keep it.
enum class VTCrashReportTextFormat : std::int32_t {
    standard = 0,
};

enum class VTCrashReportTextEncoding {
    utf8,
    // Characters outside ASCII become "?".
    ascii,
};

// Renders a decoded crash report as a plain-text crash report of report version 104:
// header, uncaught exception, a backtrace per thread, the crashed thread's registers and
// the loaded images. The application never shows it; it serves people reading logs.
class VTCrashReportTextFormatter {
public:
    VTCrashReportTextFormatter(VTCrashReportTextFormat textFormat, VTCrashReportTextEncoding stringEncoding);

    // The text in the formatter's encoding; characters the encoding lacks are replaced.
    std::string formatReport(const VTCrashReport& report) const;

    // The whole text, in UTF-8.
    static std::string stringValueForCrashReport(const VTCrashReport& report, VTCrashReportTextFormat textFormat);
    // One backtrace line, ending in a line feed.
    static std::string formatStackFrame(const VTCrashReportStackFrameInfo& frame, std::int64_t frameIndex,
                                        const VTCrashReport& report, bool lp64);

private:
    VTCrashReportTextFormat textFormat_;
    VTCrashReportTextEncoding stringEncoding_;
};

}  // namespace vlt
