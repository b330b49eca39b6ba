#pragma once

#include <memory>

#include <QList>
#include <QObject>
#include <QUrl>

namespace vlt {

class AppDelegate;
class AppModel;
class ApplicationCommands;
class DesktopAnimationSetting;
class InterfaceTranslations;
class MainWindow;
class SingleInstance;
class TerminationSignalWatcher;

// The running application: builds the stores, the model, the delegate and the window
// in their fixed order, and drives the launch hooks.
class VeltranoApplication final : public QObject {
    Q_OBJECT

public:
    // `instance` is the claimed single-instance socket: later launches hand their
    // files to it, and a language relaunch lets go of it first.
    VeltranoApplication(SingleInstance& instance, QObject* parent = nullptr);
    ~VeltranoApplication() override;

    // Launches with the files given on the command line and runs until the
    // application ends; returns the process's exit status.
    int run(const QList<QUrl>& launchFiles);

    AppModel& model() { return *model_; }
    AppDelegate& delegate() { return *delegate_; }
    MainWindow& window() { return *window_; }

private:
    void handleTerminationSignal();
    void closeRequestMayHaveEnded();

    SingleInstance& instance_;
    std::unique_ptr<InterfaceTranslations> translations_;
    std::unique_ptr<DesktopAnimationSetting> animationSetting_;
    std::unique_ptr<AppDelegate> delegate_;
    std::unique_ptr<AppModel> model_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<ApplicationCommands> commands_;
    std::unique_ptr<TerminationSignalWatcher> signalWatcher_;
    bool signalCameBefore_ = false;
    // A termination signal came while the close request now pending was open.
    bool signalMetCloseRequest_ = false;
};

}  // namespace vlt
