#pragma once

#include <functional>
#include <memory>

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include "model/app_model.h"
#include "model/application_close_intent.h"
#include "base/result.h"

class QWidget;

namespace vlt {

class CrashReportCoordinating;
class Scheduler;
class UpdateController;
class Updater;

// The application's delegate: it answers the launch, open-file, window-close and
// termination questions, queues files handed over before the model is ready, asks
// the unsaved-changes question and relaunches for a language change. Closing the
// window, quitting and both restarts all go through the model's one close request.
class AppDelegate final : public QObject {
    Q_OBJECT

public:
    enum class TerminateReply {
        now,
        cancel,
        // The answer follows once the user (or the editor) has decided.
        later,
    };

    struct Environment {
        Scheduler* scheduler = nullptr;
        std::shared_ptr<CrashReportCoordinating> crashReports;
        std::shared_ptr<Updater> updater;
        // Starts a new instance of the application, which opens the files (paths) as
        // though they were handed over at its launch.
        std::function<VoidResult(const QStringList& files)> relaunchApplication;
        // Ends the event loop once everything that must happen before exit has happened.
        std::function<void()> exitEventLoop;
    };

    explicit AppDelegate(Environment environment, QObject* parent = nullptr);
    ~AppDelegate() override;

    // Launch

    // Before the first window: crash capture starts and holds a previous report.
    void applicationWillFinishLaunching();
    // "session_started", then the updater's one background check.
    void applicationDidFinishLaunching();
    // Files handed over by the system (at launch or by a second launch). They replace
    // an earlier list the model has not taken yet and wait until it can take them.
    void openURLs(const QList<QUrl>& urls);

    void attach(AppModel* model);
    void openPendingFileURLsIfNeeded();
    // The application window; the crash report held from the previous run is offered in it.
    void attach(QWidget* window);

    // Closing and termination

    // The window's close question: true lets it close.
    bool windowShouldClose(QWidget* window);
    // The window has closed; the application ends with its last window.
    void windowDidClose();
    // Quit from the menu, a termination signal or a "Quit Veltrano" button.
    void requestTermination();
    TerminateReply applicationShouldTerminate();
    // Ends the application without asking again (a second termination signal). Output
    // tasks still clean up and the settings are still written.
    void forceTermination();

    void presentUnsavedChangesAlert(ApplicationCloseIntent intent);
    void relaunchForLanguageChange();
    // The updater is about to relaunch the application: the coming termination is a restart.
    void updaterWillRelaunch() { isUpdateRelaunchExpected_ = true; }

    // State, for the window and for tests

    AppModel* model() const { return model_; }
    const QList<QUrl>& pendingFileOpenURLs() const { return pendingFileOpenURLs_; }
    QWidget* attachedWindow() const { return attachedWindow_; }
    QMessageBox* unsavedChangesAlert() const { return unsavedChangesAlert_; }
    UpdateController& updateController();
    bool isApplicationTerminationReplyPending() const { return isApplicationTerminationReplyPending_; }
    bool isUpdateRelaunchExpected() const { return isUpdateRelaunchExpected_; }
    bool isLanguageRelaunchPending() const { return isLanguageRelaunchPending_; }
    bool isTerminating() const { return termination_ != Termination::running; }

signals:
    // The delayed answer to a termination that asked first: false keeps the application running.
    void terminationDecided(bool allowed);

private:
    void replyToApplicationShouldTerminate(bool allowed);
    void resetRelaunchState(ApplicationCloseIntent intent);
    void performLanguageRelaunch();
    void terminate();
    void finishTermination();
    void applicationWillTerminate();
    void watchModelForQueuedFiles();
    void modelAvailabilityMayHaveChanged();
    bool canModelTakeFiles() const;
    void closePendingAlertQuietly();

    Environment environment_;
    std::unique_ptr<UpdateController> updateController_;
    QPointer<AppModel> model_;
    QList<QUrl> pendingFileOpenURLs_;
    QPointer<QWidget> attachedWindow_;
    QPointer<QWidget> approvedClosingWindow_;
    bool allowApplicationTerminationAfterWindowClose_ = false;
    bool allowApplicationTerminationAfterLanguageRelaunch_ = false;
    bool isApplicationTerminationReplyPending_ = false;
    bool isUpdateRelaunchExpected_ = false;
    bool isLanguageRelaunchPending_ = false;
    // Once past running there is no way back: the process ends.
    enum class Termination { running, finishingTasks, ended };
    Termination termination_ = Termination::running;
    QPointer<QMessageBox> unsavedChangesAlert_;
    bool canModelTakeFiles_ = false;
    // The crash report's question or a notice of it is up over the window.
    bool isCrashReportAlertUp_ = false;
    QList<QMetaObject::Connection> modelConnections_;
};

}  // namespace vlt
