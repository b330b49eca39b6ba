#pragma once

#include <functional>

class QWidget;

namespace vlt {

// The crash capture and the consent question for a report left by a previous crash,
// as the application delegate drives them.
class CrashReportCoordinating {
public:
    virtual ~CrashReportCoordinating() = default;
    // Before the first window: configure capture, hold a previous report, enable capture.
    virtual void start() = 0;
    // Once the window exists: asks, at most once per launch, whether to send the held report.
    virtual void offerPendingReportIfNeeded(QWidget* window) = 0;
    // Told true as a question or notice opens over the window and false as it closes,
    // so nothing else opens beneath it meanwhile.
    virtual void observeAlerts(std::function<void(bool isUp)> observer) = 0;
};

}  // namespace vlt
