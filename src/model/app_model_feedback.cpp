#include <cmath>

#include <QPointer>

#include "model/app_model.h"
#include "model/feedback_submission_failure.h"
#include "model/feedback_submitting.h"
#include "base/cancellation_error.h"
#include "base/scheduler.h"
#include "foundation/diagnostic_log.h"
#include "foundation/elapsed_milliseconds.h"
#include "foundation/info_dictionary.h"
#include "foundation/installation_identity_store.h"

namespace vlt {

namespace {

// The sending state stays up at least this long, so a quick answer does not flash.
constexpr double kMinimumSendingSeconds = 0.5;

FeedbackSubmissionRequest makeRequest(const QString& feedbackID, const QString& installationID,
                                      const FeedbackDraft& trimmed) {
    FeedbackSubmissionRequest request;
    request.feedbackId = feedbackID;
    request.installationId = installationID;
    request.platform = QString::fromLatin1(FeedbackSubmissionRequest::kPlatform);
    request.appVersion = QString::fromStdString(infoDictionaryString("CFBundleShortVersionString"));
    request.name = trimmed.name;
    request.email = trimmed.email;
    request.message = trimmed.message;
    return request;
}

QString failureMessage(const Error& error) {
    if (const auto* failure = dynamic_cast<const FeedbackSubmissionFailure*>(&error)) {
        return QString::fromStdString(failure->userMessage());
    }
    return QString::fromStdString(FeedbackSubmissionFailure(FeedbackSubmissionFailure::Case::sendFailed).userMessage());
}

}  // namespace

void AppModel::presentFeedback() {
    if (isInteractionLocked()) return;
    cancelEditorGesture();
    FeedbackDialogState state;
    state.opening = ++feedbackOpenings_;
    state.name = settings_.settings.contactName.trimmed();
    setFeedbackState(std::move(state));
}

void AppModel::dismissFeedback() {
    if (feedbackState_ && feedbackState_->isSending) return;
    setFeedbackState(std::nullopt);
}

void AppModel::editFeedbackDraft(const FeedbackDraft& draft) {
    if (!feedbackState_) return;
    FeedbackDialogState state = *feedbackState_;
    state.name = draft.name;
    state.email = draft.email;
    state.message = draft.message;
    setFeedbackState(std::move(state));
}

void AppModel::submitFeedback() {
    if (!feedbackState_ || feedbackState_->isSending || feedbackState_->isReceived) return;
    FeedbackDialogState state = *feedbackState_;
    const FeedbackDraft draft = state.draft().trimmed();
    state.validationMessage = draft.validationMessage();
    state.statusMessage.reset();
    if (state.validationMessage) {
        setFeedbackState(std::move(state));
        return;
    }

    // The same texts, however they were spaced or composed, are a retry of the last
    // attempt, so the service can tell the two apart from new feedback.
    const bool isRetry = state.retryDraft && *state.retryDraft == draft && state.retryFeedbackID;
    if (!isRetry) {
        state.retryDraft = draft;
        state.retryFeedbackID = QString::fromStdString(InstallationIdentityStore::makeIdentifier());
    }
    const FeedbackSubmissionRequest request = makeRequest(*state.retryFeedbackID, feedbackInstallationID_, draft);
    const QUuid operationID = QUuid::createUuid();
    const double startSeconds = uptimeClock->uptimeSeconds();
    const std::uint64_t opening = state.opening;
    state.isSending = true;
    setFeedbackState(std::move(state));
    DiagnosticLog::feedbackSubmissionStarted(operationID);

    TaskHandlePtr task = TaskHandle::create();
    feedbackSubmissionTask = task;
    QPointer<AppModel> self(this);
    auto completion = [self, opening, operationID, startSeconds, task](VoidResult outcome) {
        task->finish();
        if (self) self->feedbackSubmissionDidEnd(opening, operationID, startSeconds, task, std::move(outcome));
    };
    if (!feedbackClient_) {
        scheduler_.post([completion] {
            completion(makeError<FeedbackSubmissionFailure>(FeedbackSubmissionFailure::Case::sendFailed));
        });
        return;
    }
    feedbackClient_->submit(request, task->stopToken(), std::move(completion));
}

void AppModel::feedbackSubmissionDidEnd(std::uint64_t opening, const QUuid& operationID, double startSeconds,
                                        const TaskHandlePtr& task, VoidResult outcome) {
    if (!outcome) {
        applyFeedbackFailure(opening, operationID, startSeconds, outcome.error());
        return;
    }
    const double remaining = kMinimumSendingSeconds - (uptimeClock->uptimeSeconds() - startSeconds);
    if (remaining <= 0.0) {
        applyFeedbackAccepted(opening, operationID, startSeconds);
        return;
    }
    const double wholeMilliseconds = std::floor(remaining * 1000.0);
    QPointer<AppModel> self(this);
    scheduler_.schedule(wholeMilliseconds / 1000.0, [self, opening, operationID, startSeconds, task] {
        if (!self) return;
        if (task->isCancelled()) {
            self->applyFeedbackFailure(opening, operationID, startSeconds, makeCancellationError());
            return;
        }
        self->applyFeedbackAccepted(opening, operationID, startSeconds);
    });
}

void AppModel::applyFeedbackAccepted(std::uint64_t opening, const QUuid& operationID, double startSeconds) {
    if (!feedbackState_ || feedbackState_->opening != opening) return;
    FeedbackDialogState state = *feedbackState_;
    state.isSending = false;
    state.isReceived = true;
    state.statusMessage = FeedbackTexts::receivedMessage();
    setFeedbackState(std::move(state));
    DiagnosticLog::feedbackSubmissionSucceeded(operationID, wholeElapsedMilliseconds(startSeconds, *uptimeClock));
}

void AppModel::applyFeedbackFailure(std::uint64_t opening, const QUuid& operationID, double startSeconds,
                                    const ErrorPtr& error) {
    // An outcome for a dialog that was closed, or closed and opened again, is dropped.
    if (!feedbackState_ || feedbackState_->opening != opening) return;
    FeedbackDialogState state = *feedbackState_;
    state.isSending = false;
    if (isCancellation(error)) {
        setFeedbackState(std::move(state));
        return;
    }
    state.statusMessage = failureMessage(*error);
    setFeedbackState(std::move(state));
    DiagnosticLog::feedbackSubmissionFailed(operationID, wholeElapsedMilliseconds(startSeconds, *uptimeClock), *error);
}

void AppModel::setFeedbackState(std::optional<FeedbackDialogState> state) {
    if (state == feedbackState_) return;
    feedbackState_ = std::move(state);
    emit feedbackStateChanged();
    refreshDerivedFlags();
}

}  // namespace vlt
