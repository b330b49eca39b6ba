#include <utility>

#include <QPointer>

#include "model/app_model.h"
#include "base/scheduler.h"

namespace vlt {

void AppModel::changeCloseRequestState(const std::function<void(CloseRequestState&)>& edit) {
    changeArea(closeRequest_, edit, &AppModel::closeRequestStateChanged);
}

CloseRequestDecision AppModel::requestClose(ApplicationCloseIntent intent, std::function<void(bool)> completion) {
    if (closeRequest_.isCloseRequestPending) return CloseRequestDecision::alreadyPending;
    std::shared_ptr<EditorSession> session = editor_.editorSession;
    if (!session) return CloseRequestDecision::closeNow;

    pendingCloseRequestCompletion_ = std::move(completion);
    closePreparationSession_ = session;
    changeCloseRequestState([intent](CloseRequestState& state) {
        state.pendingCloseIntent = intent;
        state.isClosePreparationPending = true;
        state.isCloseRequestPending = true;
    });

    QPointer<AppModel> guard(this);
    std::weak_ptr<EditorSession> weakSession = session;
    prepareEditorStateForClose(*session, [guard, weakSession](bool hasChanges) {
        if (!guard) return;
        guard->closePreparationDidFinish(weakSession.lock(), hasChanges);
    });
    return CloseRequestDecision::awaitingDecision;
}

void AppModel::closePreparationDidFinish(const std::shared_ptr<EditorSession>& session, bool hasChanges) {
    const bool isSameRequest = closeRequest_.isCloseRequestPending && session &&
                               closePreparationSession_.lock() == session && editor_.editorSession == session;
    if (!isSameRequest) {
        completePendingCloseRequest(false);
        return;
    }
    changeCloseRequestState([](CloseRequestState& state) { state.isClosePreparationPending = false; });

    if (hasChanges && isAheadOfLastImageSave(*session)) {
        if (!onUnsavedChangesWarningRequested) {
            completePendingCloseRequest(false);
            return;
        }
        onUnsavedChangesWarningRequested(closeRequest_.pendingCloseIntent.value_or(ApplicationCloseIntent::close));
        return;
    }

    // The grant always arrives after requestClose returned, so callers can rely on
    // their own bookkeeping being done before the completion runs.
    QPointer<AppModel> guard(this);
    scheduler_.post([guard] {
        if (guard) guard->completePendingCloseRequest(true);
    });
}

void AppModel::askBeforeReplacingEditor(ImageImportOrigin origin, std::function<void()> open) {
    // The completion keeps its own record, so that a later request can never run it.
    auto waiting = std::make_shared<WaitingOpen>(WaitingOpen{origin, std::move(open)});
    QPointer<AppModel> guard(this);
    const CloseRequestDecision decision =
        requestClose(ApplicationCloseIntent::openAnotherImage, [guard, waiting](bool allowed) {
            if (guard && guard->waitingOpen_ == waiting) guard->waitingOpen_.reset();
            if (guard && allowed && waiting->open) waiting->open();
        });
    if (decision == CloseRequestDecision::awaitingDecision && closeRequest_.isCloseRequestPending) {
        waitingOpen_ = waiting;
    }
    if (decision == CloseRequestDecision::closeNow) waiting->open();
}

void AppModel::completePendingCloseRequest(bool allowed) {
    if (!closeRequest_.isCloseRequestPending) return;
    auto completion = std::exchange(pendingCloseRequestCompletion_, {});
    closePreparationSession_.reset();
    changeCloseRequestState([](CloseRequestState& state) { state = CloseRequestState{}; });
    if (completion) completion(allowed);
}

}  // namespace vlt
