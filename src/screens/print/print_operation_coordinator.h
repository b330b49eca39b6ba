#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QPointer>
#include <QPrintDialog>

#include "screens/print/print_accessory_view_controller.h"
#include "output/print/print_job.h"
#include "output/print/print_operation.h"
#include "output/print/print_operation_outcome.h"
#include "screens/print/print_preview_window.h"
#include "output/print/semantic_print_view.h"

class QPrinter;
class QWidget;

namespace vlt {

class Scheduler;

// Runs one print over a window: the window-modal preview beside Veltrano's accessory,
// then, on Print…, the system's print dialog on the same printer (copies, page range,
// paper size, orientation), then the job. Everything runs on the GUI thread. The
// outcome reaches the completion exactly once, through the scheduler, after the
// preview and the dialog are gone: cancelled when a dialog is dismissed, the render
// failure when a page could not be made (whatever the job says), else what the
// printer made of the job.
class PrintOperationCoordinator final : public QObject, public PrintOperation {
    Q_OBJECT

public:
    using Completion = std::function<void(PrintOperationOutcome)>;

    PrintOperationCoordinator(PrintJob job, Completion completion, Scheduler& scheduler);
    ~PrintOperationCoordinator() override;

    // The document name without its last extension, else "Veltrano image".
    QString jobTitle() const { return printJobTitle(job_.documentName); }

    // Sets up the printer, the pages and the accessory and opens the preview over
    // the window; returns at once. Runs once.
    void start(QWidget* window);

    // How pages are composed; the still-image composer unless set before start().
    SemanticPrintView::Compose compose;

    // While the run lasts; null before start() and after the outcome.
    QPrinter* printer() const { return printer_.get(); }
    PrintPreviewWindow* previewWindow() const { return preview_; }
    QPrintDialog* printDialog() const { return printDialog_; }
    SemanticPrintView* printView() const { return printView_.get(); }

private:
    void previewPainted();
    void openPrintDialog();
    void printDialogFinished(int result);
    void didRun(PrintOperationOutcome outcome);
    void takeDownWindows();

    PrintJob job_;
    Completion completion_;
    Scheduler& scheduler_;
    bool started_ = false;
    bool hasRun_ = false;
    // Shared with the preview, which paints on it until it is gone.
    std::shared_ptr<QPrinter> printer_;
    std::unique_ptr<SemanticPrintView> printView_;
    QPointer<PrintPreviewWindow> preview_;
    QPointer<QPrintDialog> printDialog_;
};

}  // namespace vlt
