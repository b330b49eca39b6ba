#include "app/application_print_window.h"

#include <QApplication>

#include "screens/print/print_operation_coordinator.h"

namespace vlt {

ApplicationPrintWindow::ApplicationPrintWindow(QWidget* window, Scheduler& scheduler)
    : window_(window), scheduler_(scheduler) {}

QWidget* ApplicationPrintWindow::hostWindow(QWidget* fallback) {
    if (QWidget* active = QApplication::activeWindow()) return active;
    return fallback != nullptr ? fallback->window() : nullptr;
}

std::unique_ptr<PrintOperation> ApplicationPrintWindow::startPrinting(
    PrintJob job, std::function<void(PrintOperationOutcome)> completion) {
    if (!window_) return nullptr;
    auto coordinator = std::make_unique<PrintOperationCoordinator>(std::move(job), std::move(completion), scheduler_);
    coordinator->start(window_);
    return coordinator;
}

}  // namespace vlt
