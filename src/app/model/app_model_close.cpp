#include <utility>

#include <QPointer>

#include "app/model/app_model.h"
#include "foundation/localized_string.h"
#include "base/scheduler.h"

namespace vlt {

CloseRequestDecision AppModel::requestClose(ApplicationCloseIntent intent, std::function<void(bool)> completion) {
    if (isCloseRequestPending_) return CloseRequestDecision::alreadyPending;
    std::shared_ptr<EditorSession> session = editorSession_;
    if (!session) return CloseRequestDecision::closeNow;

    pendingCloseRequestCompletion_ = std::move(completion);
    closePreparationSession_ = session;
    setPendingCloseIntent(intent);
    setIsClosePreparationPending(true);
    setIsCloseRequestPending(true);

    QPointer<AppModel> guard(this);
    std::weak_ptr<EditorSession> weakSession = session;
    prepareEditorStateForClose(*session, [guard, weakSession](bool hasChanges) {
        if (!guard) return;
        guard->closePreparationDidFinish(weakSession.lock(), hasChanges);
    });
    return CloseRequestDecision::awaitingDecision;
}

void AppModel::closePreparationDidFinish(const std::shared_ptr<EditorSession>& session, bool hasChanges) {
    const bool isSameRequest =
        isCloseRequestPending_ && session && closePreparationSession_.lock() == session && editorSession_ == session;
    if (!isSameRequest) {
        completePendingCloseRequest(false);
        return;
    }
    setIsClosePreparationPending(false);

    if (hasChanges && isAheadOfLastImageSave(*session)) {
        if (!onUnsavedChangesWarningRequested) {
            completePendingCloseRequest(false);
            return;
        }
        onUnsavedChangesWarningRequested(pendingCloseIntent_.value_or(ApplicationCloseIntent::close));
        return;
    }

    // The grant always arrives after requestClose returned, so callers can rely on
    // their own bookkeeping being done before the completion runs.
    QPointer<AppModel> guard(this);
    scheduler_.post([guard] {
        if (guard) guard->completePendingCloseRequest(true);
    });
}

void AppModel::completePendingCloseRequest(bool allowed) {
    if (!isCloseRequestPending_) return;
    auto completion = std::exchange(pendingCloseRequestCompletion_, {});
    closePreparationSession_.reset();
    setPendingCloseIntent(std::nullopt);
    setIsClosePreparationPending(false);
    setIsCloseRequestPending(false);
    if (completion) completion(allowed);
}

void AppModel::languageRestartDidFail() {
    setIsLanguageRestartInProgress(false);
    setLanguageRestartError(localizedString("Veltrano could not restart. Close and reopen the app."));
}

}  // namespace vlt
