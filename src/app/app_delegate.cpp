#include "app/app_delegate.h"

#include <utility>

#include <QMessageBox>
#include <QWidget>

#include "crash_reports/crash_report_coordinating.h"
#include "model/app_model.h"
#include "app/unsaved_changes_alert.h"
#include "app/update_controller.h"
#include "foundation/diagnostic_error_summary.h"
#include "foundation/diagnostic_log.h"
#include "base/scheduler.h"

namespace vlt {

AppDelegate::AppDelegate(Environment environment, QObject* parent)
    : QObject(parent), environment_(std::move(environment)) {
    if (!environment_.crashReports) return;
    QPointer<AppDelegate> guard(this);
    environment_.crashReports->observeAlerts([guard](bool isUp) {
        if (!guard) return;
        guard->isCrashReportAlertUp_ = isUp;
        if (guard->model_) guard->model_->setCrashReportAlertPresented(isUp);
    });
}

AppDelegate::~AppDelegate() {
    if (model_) model_->onUnsavedChangesWarningRequested = nullptr;
}

// Launch

void AppDelegate::applicationWillFinishLaunching() {
    if (environment_.crashReports) environment_.crashReports->start();
}

void AppDelegate::applicationDidFinishLaunching() {
    DiagnosticLog::sessionStarted();
    updateController().startUpdaterAndCheckInBackground();
}

UpdateController& AppDelegate::updateController() {
    if (!updateController_) {
        QPointer<AppDelegate> guard(this);
        updateController_ = std::make_unique<UpdateController>(environment_.updater, [guard] {
            if (guard) guard->updaterWillRelaunch();
        });
    }
    return *updateController_;
}

void AppDelegate::openURLs(const QList<QUrl>& urls) {
    pendingFileOpenURLs_ = urls;
    openPendingFileURLsIfNeeded();
}

void AppDelegate::attach(AppModel* model) {
    if (model_ == model) return;
    if (model_) model_->onUnsavedChangesWarningRequested = nullptr;
    for (const auto& connection : std::as_const(modelConnections_)) disconnect(connection);
    modelConnections_.clear();

    model_ = model;
    if (!model_) return;
    model_->setCrashReportAlertPresented(isCrashReportAlertUp_);
    QPointer<AppDelegate> guard(this);
    model_->onUnsavedChangesWarningRequested = [guard](ApplicationCloseIntent intent) {
        if (guard) guard->presentUnsavedChangesAlert(intent);
    };
    watchModelForQueuedFiles();
    openPendingFileURLsIfNeeded();
}

void AppDelegate::watchModelForQueuedFiles() {
    canModelTakeFiles_ = canModelTakeFiles();
    auto changed = [this] { modelAvailabilityMayHaveChanged(); };
    modelConnections_.append(connect(model_, &AppModel::closeRequestStateChanged, this, changed));
    modelConnections_.append(connect(model_, &AppModel::isInteractionLockedChanged, this, changed));
    modelConnections_.append(connect(model_, &AppModel::importStateChanged, this, changed));
    // A question whose request ended some other way must not answer a later one.
    modelConnections_.append(connect(model_, &AppModel::closeRequestStateChanged, this, [this] {
        if (model_ && !model_->closeRequestState().isCloseRequestPending) closePendingAlertQuietly();
    }));
}

void AppDelegate::modelAvailabilityMayHaveChanged() {
    if (!model_) return;
    const bool canTake = canModelTakeFiles();
    const bool becameAvailable = canTake && !canModelTakeFiles_;
    canModelTakeFiles_ = canTake;
    if (!becameAvailable) return;
    // An answered question frees the model before its answer has run: the queued files
    // wait for the answer's own work (the image it opens, the end it allows), or they
    // would meet the editor that answer lets go of.
    if (!environment_.scheduler) {
        openPendingFileURLsIfNeeded();
        return;
    }
    QPointer<AppDelegate> guard(this);
    environment_.scheduler->post([guard] {
        if (guard) guard->openPendingFileURLsIfNeeded();
    });
}

bool AppDelegate::canModelTakeFiles() const {
    return !model_->closeRequestState().isCloseRequestPending && !model_->isInteractionLocked() &&
           !model_->importState().isImagePickerPresented;
}

void AppDelegate::openPendingFileURLsIfNeeded() {
    if (pendingFileOpenURLs_.isEmpty() || !model_ || isTerminating()) return;
    if (model_->openFileURLs(pendingFileOpenURLs_)) pendingFileOpenURLs_.clear();
}

void AppDelegate::attach(QWidget* window) {
    if (attachedWindow_ == window) return;
    attachedWindow_ = window;
    if (!window || !environment_.scheduler) return;
    QPointer<AppDelegate> guard(this);
    QPointer<QWidget> attached(window);
    environment_.scheduler->post([guard, attached] {
        if (!guard || !attached || !guard->environment_.crashReports) return;
        guard->environment_.crashReports->offerPendingReportIfNeeded(attached);
    });
}

// Window close

bool AppDelegate::windowShouldClose(QWidget* window) {
    // Once the application has decided to end, nothing may hold it back any more.
    if (isTerminating()) return true;
    if (window != nullptr && window == approvedClosingWindow_) {
        approvedClosingWindow_ = nullptr;
        allowApplicationTerminationAfterWindowClose_ = true;
        return true;
    }
    if (!model_) return true;

    QPointer<AppDelegate> guard(this);
    QPointer<QWidget> closingWindow(window);
    const CloseRequestDecision decision =
        model_->requestClose(ApplicationCloseIntent::close, [guard, closingWindow](bool allowed) {
            if (!guard || !allowed || !closingWindow) return;
            guard->approvedClosingWindow_ = closingWindow;
            closingWindow->close();
        });
    if (decision == CloseRequestDecision::closeNow) {
        allowApplicationTerminationAfterWindowClose_ = true;
        return true;
    }
    return false;
}

void AppDelegate::windowDidClose() { requestTermination(); }

// Quit

void AppDelegate::requestTermination() {
    if (isTerminating()) return;
    if (applicationShouldTerminate() == TerminateReply::now) terminate();
}

AppDelegate::TerminateReply AppDelegate::applicationShouldTerminate() {
    if (allowApplicationTerminationAfterLanguageRelaunch_) {
        allowApplicationTerminationAfterLanguageRelaunch_ = false;
        return TerminateReply::now;
    }
    if (allowApplicationTerminationAfterWindowClose_) {
        allowApplicationTerminationAfterWindowClose_ = false;
        return TerminateReply::now;
    }
    if (isApplicationTerminationReplyPending_) return TerminateReply::later;
    if (!model_) return TerminateReply::now;

    const ApplicationCloseIntent intent =
        isUpdateRelaunchExpected_ ? ApplicationCloseIntent::restartForUpdate : ApplicationCloseIntent::close;
    QPointer<AppDelegate> guard(this);
    const CloseRequestDecision decision = model_->requestClose(intent, [guard, intent](bool allowed) {
        if (!guard) return;
        if (!allowed) guard->resetRelaunchState(intent);
        guard->isApplicationTerminationReplyPending_ = false;
        guard->replyToApplicationShouldTerminate(allowed);
    });
    switch (decision) {
    case CloseRequestDecision::closeNow:
        return TerminateReply::now;
    case CloseRequestDecision::alreadyPending:
        resetRelaunchState(intent);
        return TerminateReply::cancel;
    case CloseRequestDecision::awaitingDecision:
        isApplicationTerminationReplyPending_ = true;
        return TerminateReply::later;
    }
    return TerminateReply::cancel;
}

void AppDelegate::replyToApplicationShouldTerminate(bool allowed) {
    emit terminationDecided(allowed);
    if (allowed) terminate();
}

void AppDelegate::forceTermination() {
    closePendingAlertQuietly();
    // Already on the way out and still waiting for output tasks: stop waiting.
    if (termination_ == Termination::finishingTasks) {
        finishTermination();
        return;
    }
    terminate();
}

void AppDelegate::resetRelaunchState(ApplicationCloseIntent intent) {
    switch (intent) {
    case ApplicationCloseIntent::close:
    case ApplicationCloseIntent::openAnotherImage:
        break;
    case ApplicationCloseIntent::restartForUpdate:
        isUpdateRelaunchExpected_ = false;
        break;
    case ApplicationCloseIntent::restartForLanguage:
        isLanguageRelaunchPending_ = false;
        if (model_) model_->languageRestartDidCancel();
        break;
    }
}

void AppDelegate::terminate() {
    if (isTerminating()) return;
    termination_ = Termination::finishingTasks;
    QPointer<AppDelegate> guard(this);
    auto finish = [guard] {
        if (guard) guard->finishTermination();
    };
    // Saves, exports and share files in progress are stopped and allowed to remove
    // their temporary files before the process goes.
    if (model_) {
        model_->finishOutputTasksBeforeTermination(std::move(finish));
    } else {
        finish();
    }
}

void AppDelegate::finishTermination() {
    if (termination_ == Termination::ended) return;
    termination_ = Termination::ended;
    applicationWillTerminate();
    if (environment_.exitEventLoop) environment_.exitEventLoop();
}

void AppDelegate::applicationWillTerminate() {
    if (model_) model_->applicationWillTerminate();
    DiagnosticLog::sessionEnded();
}

// Unsaved-changes question

void AppDelegate::presentUnsavedChangesAlert(ApplicationCloseIntent intent) {
    if (!model_) return;
    // Leaving the request pending would keep every later close, quit and restart
    // waiting for an answer that never comes.
    if (unsavedChangesAlert_ || !attachedWindow_) {
        model_->completePendingCloseRequest(false);
        return;
    }

    QMessageBox* alert = UnsavedChangesAlert::create(intent, attachedWindow_);
    unsavedChangesAlert_ = alert;
    connect(alert, &QMessageBox::finished, this, [this, alert] {
        const UnsavedChangesAlert::Answer answer = UnsavedChangesAlert::answer(*alert);
        if (unsavedChangesAlert_ == alert) unsavedChangesAlert_ = nullptr;
        alert->deleteLater();
        if (!model_) return;
        switch (answer) {
        case UnsavedChangesAlert::Answer::discard:
            model_->completePendingCloseRequest(true);
            break;
        case UnsavedChangesAlert::Answer::saveImage:
            model_->presentSaveImages();
            break;
        case UnsavedChangesAlert::Answer::cancel:
            model_->completePendingCloseRequest(false);
            break;
        }
    });
    alert->open();
    // Its focus on Cancel is drawn from the start, not only once Tab was pressed: the
    // default button's mark alone would tell that Space saves.
    alert->setAttribute(Qt::WA_KeyboardFocusChange);
}

void AppDelegate::closePendingAlertQuietly() {
    QMessageBox* alert = unsavedChangesAlert_;
    if (!alert) return;
    unsavedChangesAlert_ = nullptr;
    disconnect(alert, &QMessageBox::finished, this, nullptr);
    alert->close();
    alert->deleteLater();
}

// Language relaunch

void AppDelegate::relaunchForLanguageChange() {
    if (!model_) return;
    // One relaunch at a time. A second request says this one cannot restart and frees
    // the language section again; the first request still runs to its end.
    if (isLanguageRelaunchPending_) {
        model_->languageRestartDidFail();
        return;
    }
    isLanguageRelaunchPending_ = true;

    QPointer<AppDelegate> guard(this);
    const CloseRequestDecision decision =
        model_->requestClose(ApplicationCloseIntent::restartForLanguage, [guard](bool allowed) {
            if (!guard) return;
            if (allowed) {
                guard->performLanguageRelaunch();
            } else {
                guard->resetRelaunchState(ApplicationCloseIntent::restartForLanguage);
            }
        });
    switch (decision) {
    case CloseRequestDecision::closeNow:
        performLanguageRelaunch();
        break;
    case CloseRequestDecision::alreadyPending:
        resetRelaunchState(ApplicationCloseIntent::restartForLanguage);
        break;
    case CloseRequestDecision::awaitingDecision:
        break;
    }
}

void AppDelegate::performLanguageRelaunch() {
    // A file handed over while the question was up goes with the restart: the new
    // instance asks nothing more, so it opens it.
    QStringList files;
    for (const QUrl& url : std::as_const(pendingFileOpenURLs_)) files << url.toLocalFile();
    VoidResult started = environment_.relaunchApplication ? environment_.relaunchApplication(files) : VoidResult();
    QPointer<AppDelegate> guard(this);
    auto outcome = [guard, started = std::move(started)] {
        if (!guard) return;
        guard->isLanguageRelaunchPending_ = false;
        if (!started.ok()) {
            if (guard->model_) guard->model_->languageRestartDidFail();
            DiagnosticLog::languageRelaunchFailed(*started.error());
            return;
        }
        guard->allowApplicationTerminationAfterLanguageRelaunch_ = true;
        guard->requestTermination();
    };
    if (environment_.scheduler) {
        environment_.scheduler->post(std::move(outcome));
    } else {
        outcome();
    }
}

}  // namespace vlt
