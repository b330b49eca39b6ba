#include <QPointer>

#include "model/app_model.h"
#include "model/print_window.h"
#include "editing/session/editor_session.h"
#include "foundation/diagnostic_log.h"
#include "foundation/elapsed_milliseconds.h"
#include "import/crop_document.h"
#include "output/print/printing_failure.h"

namespace vlt {
void AppModel::changePrintState(const std::function<void(PrintState&)>& edit) {
    changeArea(print_, edit, &AppModel::printStateChanged);
}

void AppModel::startPrinting() {
    // 1. Nothing else may run, and the editor must be able to give its picture; a text
    //    being typed is not taken, printing is refused instead.
    if (isInteractionLocked() || import_.isImporting || !editor_.editorSession || isEditorTextEntryOpen()) return;
    const std::shared_ptr<EditorSession> session = editor_.editorSession;
    if (!session->prepareCommittedEditorState || !session->makeStillImageSnapshot) return;
    const std::shared_ptr<PrintWindow> window = findPrintWindow ? findPrintWindow() : nullptr;
    if (!window || !window->isOpen()) return;

    // 2. The print starts: the window locks and the event is logged.
    session->exitAnimationTab();
    const PrintRun run{QUuid::createUuid(), uptimeClock->uptimeSeconds()};
    activePrint_ = run;
    changePrintState([](PrintState& state) {
        state.isPrinting = true;
        state.printErrorMessage.reset();
        state.showsPrintError = false;
    });
    DiagnosticLog::printStarted(run.id);

    // 3. The editor commits its pending work first.
    QPointer<AppModel> guard(this);
    std::weak_ptr<EditorSession> weakSession = session;
    session->prepareCommittedEditorState(EditorStatePreparationIntent::output, [guard, weakSession, window, run](bool) {
        if (guard) guard->printPreparationDidFinish(weakSession, window, run);
    });
}

bool AppModel::isActivePrint(const PrintRun& run) const {
    return print_.isPrinting && activePrint_ && activePrint_->id == run.id;
}

bool AppModel::printCanGoOn(const std::weak_ptr<EditorSession>& weakSession, const PrintRun& run) {
    const std::shared_ptr<EditorSession> session = weakSession.lock();
    if (session && session == editor_.editorSession) return true;
    // The editor went while the print was being prepared: the print ends, and says so.
    completePrinting(PrintOperationOutcome::cancelled(), run);
    return false;
}

void AppModel::printPreparationDidFinish(const std::weak_ptr<EditorSession>& weakSession,
                                         const std::shared_ptr<PrintWindow>& window, const PrintRun& run) {
    if (!isActivePrint(run) || !printCanGoOn(weakSession, run)) return;
    const std::shared_ptr<EditorSession> session = weakSession.lock();
    if (!window->isOpen() || !session->makeStillImageSnapshot) {
        completePrinting(PrintOperationOutcome::cancelled(), run);
        return;
    }
    QPointer<AppModel> guard(this);
    session->makeStillImageSnapshot([guard, weakSession, window, run](Result<StillImageRenderSnapshot> snapshot) {
        if (guard) guard->printSnapshotDidArrive(std::move(snapshot), weakSession, window, run);
    });
}

void AppModel::printSnapshotDidArrive(Result<StillImageRenderSnapshot> snapshot,
                                      const std::weak_ptr<EditorSession>& weakSession,
                                      const std::shared_ptr<PrintWindow>& window, const PrintRun& run) {
    // 1. A failure is reported only for the print, the editor and the window it
    //    belongs to.
    if (!isActivePrint(run) || !printCanGoOn(weakSession, run)) return;
    if (!window->isOpen()) {
        completePrinting(PrintOperationOutcome::cancelled(), run);
        return;
    }
    if (!snapshot.ok()) {
        completePrinting(PrintOperationOutcome::failed(
                             PrintingFailure::make(PrintingFailureCategory::preparation, snapshot.error())),
                         run);
        return;
    }

    // 2. The job from the editor's state, the settings and the document, over the window.
    const std::shared_ptr<EditorSession> session = weakSession.lock();
    PrintJob job;
    job.snapshot = std::move(snapshot).value();
    job.currentTab = stillImageKindOfTab(session->selectedTab());
    job.settings = settings_.settings;
    job.documentName = session->document() ? session->document()->fileName() : QString();
    QPointer<AppModel> guard(this);
    std::unique_ptr<PrintOperation> operation =
        window->startPrinting(std::move(job), [guard, run](PrintOperationOutcome outcome) {
            if (guard) guard->completePrinting(std::move(outcome), run);
        });
    if (!operation) {
        completePrinting(PrintOperationOutcome::failed(makePrintOperationFailure()), run);
        return;
    }
    printOperationCoordinator_ = std::move(operation);
}

void AppModel::completePrinting(PrintOperationOutcome outcome, const PrintRun& run) {
    if (!isActivePrint(run)) return;
    if (outcome.kind == PrintOperationOutcome::Kind::failed && !outcome.failure) {
        outcome.failure = makePrintOperationFailure();
    }
    // 1. The window unlocks; a failure brings its card.
    activePrint_.reset();
    printOperationCoordinator_.reset();
    const bool failed = outcome.kind == PrintOperationOutcome::Kind::failed;
    changePrintState([&](PrintState& state) {
        state.isPrinting = false;
        if (!failed) return;
        state.printErrorMessage = QString::fromStdString(outcome.failure->userMessage());
        state.showsPrintError = true;
    });

    // 2. The end of the print in the log.
    const std::int64_t elapsed = elapsedMilliseconds(run.startUptime, *uptimeClock);
    switch (outcome.kind) {
    case PrintOperationOutcome::Kind::submitted:
        DiagnosticLog::printSucceeded(run.id, elapsed);
        break;
    case PrintOperationOutcome::Kind::cancelled:
        DiagnosticLog::printCancelled(run.id, elapsed);
        break;
    case PrintOperationOutcome::Kind::failed:
        DiagnosticLog::printFailed(run.id, elapsed, *outcome.failure);
        break;
    }
}

void AppModel::cancelPrintPreparation() {
    // A print whose preview or dialog is up is the user's to end.
    if (!activePrint_ || printOperationCoordinator_) return;
    completePrinting(PrintOperationOutcome::cancelled(), *activePrint_);
}

void AppModel::closePrintError() {
    changePrintState([](PrintState& state) {
        state.printErrorMessage.reset();
        state.showsPrintError = false;
    });
}

}  // namespace vlt
