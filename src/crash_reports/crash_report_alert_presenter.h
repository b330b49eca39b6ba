#pragma once

#include "crash_reports/crash_report_alert_presenting.h"

namespace vlt {

// Sheets as window-modal message boxes, opened with open() so that nothing waits on them.
class CrashReportAlertPresenter final : public CrashReportAlertPresenting {
public:
    static constexpr const char* kFirstButtonName = "crashReportFirstButton";
    static constexpr const char* kSecondButtonName = "crashReportSecondButton";

    void present(QWidget* window, const CrashReportAlert& alert, Completion completion) override;
};

}  // namespace vlt
