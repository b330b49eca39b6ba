#include "screens/print/print_operation_coordinator.h"

#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "base/main_thread.h"
#include "base/precondition.h"
#include "base/scheduler.h"
#include "screens/print/print_accessory_view_controller.h"
#include "output/print/print_pages.h"
#include "screens/print/print_preview_window.h"
#include "output/still/still_image_composer.h"

namespace vlt {
namespace {

bool hasLabels(const ApplicationSettings& settings) {
    return !settings.originalComparisonLabel.trimmed().isEmpty() ||
           !settings.simulationComparisonLabel.trimmed().isEmpty();
}

bool hasContactInformation(const ApplicationSettings& settings) {
    return !StillImageComposer::contactText(settings).isEmpty();
}

}  // namespace

PrintOperationCoordinator::PrintOperationCoordinator(PrintJob job, Completion completion, Scheduler& scheduler)
    : job_(std::move(job)), completion_(std::move(completion)), scheduler_(scheduler) {}

PrintOperationCoordinator::~PrintOperationCoordinator() { takeDownWindows(); }

void PrintOperationCoordinator::start(QWidget* window) {
    VLT_PRECONDITION(isMainThread(), "printing runs on the GUI thread");
    if (started_) return;
    started_ = true;

    // 1. The printer, named after the document.
    printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer_->setDocName(jobTitle());
    printer_->setFullPage(false);

    // 2. The accessory with what Settings can give, and the pages that follow it.
    auto* accessory = new PrintAccessoryViewController(job_.currentTab, hasLabels(job_.settings),
                                                       hasContactInformation(job_.settings));
    QPointer<PrintAccessoryViewController> weakAccessory = accessory;
    const StillImageKind currentTab = job_.currentTab;
    printView_ = std::make_unique<SemanticPrintView>(
        job_.snapshot, job_.currentTab, job_.settings,
        [weakAccessory, currentTab] {
            if (weakAccessory) return weakAccessory->options();
            return PrintOptions{StillImageSaveSelection::currentTab, false, false};
        },
        compose);

    // 3. The preview over the window.
    preview_ = new PrintPreviewWindow(printer_, accessory, jobTitle(), window);
    connect(preview_->previewWidget(), &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* previewPrinter) {
        if (printView_) printPages(*previewPrinter, *printView_, PrintPass::preview);
        previewPainted();
    });
    connect(preview_, &PrintPreviewWindow::printRequested, this, &PrintOperationCoordinator::openPrintDialog);
    connect(preview_, &QDialog::rejected, this, [this] { didRun(PrintOperationOutcome::cancelled()); });
    // A preview taken down with its window still ends the print. It is then half gone
    // (its pages already are), so nothing may reach into it any more.
    connect(preview_, &QObject::destroyed, this, [this] {
        preview_.clear();
        didRun(PrintOperationOutcome::cancelled());
    });
    preview_->open();
}

void PrintOperationCoordinator::previewPainted() {
    if (!printView_ || !printView_->renderFailure()) return;
    // The preview is inside its own painting; the run ends on a later turn.
    QPointer<PrintOperationCoordinator> guard(this);
    scheduler_.post([guard] {
        if (guard) guard->didRun(PrintOperationOutcome::cancelled());
    });
}

void PrintOperationCoordinator::openPrintDialog() {
    if (hasRun_ || printDialog_ || !printView_) return;
    printDialog_ = new QPrintDialog(printer_.get(), preview_);
    printDialog_->setWindowModality(Qt::WindowModal);
    printDialog_->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                             QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    printDialog_->setMinMax(1, printView_->pageCount());
    connect(printDialog_, &QDialog::finished, this, &PrintOperationCoordinator::printDialogFinished);
    printDialog_->open();
}

void PrintOperationCoordinator::printDialogFinished(int result) {
    if (hasRun_) return;
    if (result != QDialog::Accepted || !printView_) {
        didRun(PrintOperationOutcome::cancelled());
        return;
    }
    const PrintedPages pages = printPages(*printer_, *printView_, PrintPass::job);
    didRun(printJobOutcome(printView_->renderFailure(), pages, printer_->printerState()));
}

void PrintOperationCoordinator::didRun(PrintOperationOutcome outcome) {
    if (hasRun_) return;
    hasRun_ = true;
    // 1. A page that could not be made wins over whatever the dialogs or the job said.
    if (printView_ && printView_->renderFailure()) outcome = PrintOperationOutcome::failed(printView_->renderFailure());

    // 2. The windows, the pages and the accessory go, then the outcome is reported.
    takeDownWindows();
    printView_.reset();
    printer_.reset();
    scheduler_.post([completion = std::move(completion_), outcome = std::move(outcome)] {
        if (completion) completion(outcome);
    });
}

void PrintOperationCoordinator::takeDownWindows() {
    // The dialogs may be inside their own signals: they go on a later turn, hidden
    // and silent until then.
    for (QDialog* dialog : {static_cast<QDialog*>(printDialog_.data()), static_cast<QDialog*>(preview_.data())}) {
        if (dialog == nullptr) continue;
        dialog->disconnect(this);
        dialog->hide();
        dialog->deleteLater();
    }
    if (preview_) preview_->previewWidget()->disconnect(this);
    printDialog_.clear();
    preview_.clear();
}

}  // namespace vlt
