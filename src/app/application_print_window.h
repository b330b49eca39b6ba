#pragma once

#include <QPointer>
#include <QWidget>

#include "model/print_window.h"

namespace vlt {

class Scheduler;

// The application's window as the print flow's host: prints run over it with the
// preview and the system's print dialog. Holds the window weakly.
class ApplicationPrintWindow final : public PrintWindow {
public:
    ApplicationPrintWindow(QWidget* window, Scheduler& scheduler);

    // The active window, else the window of `fallback`; none when neither exists.
    static QWidget* hostWindow(QWidget* fallback);

    bool isOpen() const override { return !window_.isNull(); }
    std::unique_ptr<PrintOperation> startPrinting(PrintJob job,
                                                  std::function<void(PrintOperationOutcome)> completion) override;

private:
    QPointer<QWidget> window_;
    Scheduler& scheduler_;
};

}  // namespace vlt
