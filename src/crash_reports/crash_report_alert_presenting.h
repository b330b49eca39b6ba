#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace vlt {

// One question or notice of crash reporting, shown as a sheet on the window.
struct CrashReportAlert {
    enum class Style { warning, informational };

    Style style = Style::warning;
    QString message;
    QString information;
    QString firstButton;
    // Empty for a notice with one button.
    QString secondButton;

    bool operator==(const CrashReportAlert&) const = default;
};

// How a sheet ended: by one of its buttons, or any other way (its window went away).
enum class CrashReportAlertAnswer { firstButton, secondButton, dismissed };

class CrashReportAlertPresenting {
public:
    using Completion = std::function<void(CrashReportAlertAnswer)>;

    virtual ~CrashReportAlertPresenting() = default;
    // Opens the sheet and returns at once; `completion` runs once, when it closes.
    virtual void present(QWidget* window, const CrashReportAlert& alert, Completion completion) = 0;
};

}  // namespace vlt
