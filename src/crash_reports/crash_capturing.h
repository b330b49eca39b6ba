#pragma once

#include <cstdint>
#include <vector>

#include "base/result.h"

namespace vlt {

// What the crash report coordinator asks of crash capture: the report a crash of an
// earlier run left behind, capture for this run, and removing the report once dealt with.
class CrashCapturing {
public:
    virtual ~CrashCapturing() = default;

    // True as soon as the file exists, whatever it holds.
    virtual bool hasPendingCrashReport() const = 0;
    // The whole crash log; the file stays until purged.
    virtual Result<std::vector<std::uint8_t>> loadPendingCrashReportData() const = 0;
    virtual VoidResult enableCrashReporter() = 0;
    // True when it removed the file; false when there was none or it could not be removed.
    virtual bool purgePendingCrashReport() = 0;
};

}  // namespace vlt
