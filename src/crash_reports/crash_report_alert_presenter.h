#pragma once

#include "crash_reports/crash_report_alert_presenting.h"

namespace vlt {

// Sheets as message boxes that stay above the window and keep its content from taking
// input until they close, but leave its menu bar alone: as on a desktop whose menu bar is
// the application's, the question never stops the application from being quit (a modal
// box would block the menu bar with the window). Nothing waits on them.
class CrashReportAlertPresenter final : public CrashReportAlertPresenting {
public:
    static constexpr const char* kFirstButtonName = "crashReportFirstButton";
    static constexpr const char* kSecondButtonName = "crashReportSecondButton";
    // The cover over the window's content while a sheet is up.
    static constexpr const char* kContentShieldName = "crashReportContentShield";

    void present(QWidget* window, const CrashReportAlert& alert, Completion completion) override;
};

}  // namespace vlt
