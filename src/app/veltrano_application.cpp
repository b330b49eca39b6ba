#include "app/veltrano_application.h"

#include <QApplication>
#include <QLocale>
#include <QMenuBar>
#include <QPointer>
#include <QString>

#include "app/about_panel.h"
#include "app/app_content_view.h"
#include "app/app_delegate.h"
#include "app/application_commands.h"
#include "app/application_relauncher.h"
#include "app/help_links.h"
#include "app/image_folder_memory.h"
#include "app/main_window.h"
#include "model/app_model.h"
#include "model/feedback_identity_store.h"
#include "model/firebase_feedback_client.h"
#include "app/termination_signal_watcher.h"
#include "crash_reports/mac_crash_report_coordinator.h"
#include "editing/preparation/editing_canvas.h"
#include "foundation/app_language.h"
#include "foundation/interface_translations.h"
#include "foundation/json_application_settings_store.h"
#include "foundation/settings_file_app_language_preference_store.h"
#include "platform/desktop/desktop_file_manager.h"
#include "platform/desktop/portal_animation_setting.h"
#include "platform/share/dbus_desktop_portal.h"
#include "platform/share/desktop_share_services.h"
#include "platform/share/menu_share_picker.h"
#include "platform/single_instance/single_instance.h"
#include "platform/text/interface_text_preparation.h"
#include "base/scheduler.h"
#include "platform/updater/package_managed_updater.h"
#include "ui/interface_font.h"
#include "ui/motion_preference.h"

namespace vlt {

namespace {

// The interface language of this run: the language stored for the next launch comes
// first, then the system's own preferences; English when none is ours.
AppLanguage activeInterfaceLanguage(const AppLanguagePreferenceStoring& store) {
    QStringList preferred = store.storedPreferredLanguages();
    preferred.append(QLocale::system().uiLanguages());
    return appLanguageMatching(preferred).value_or(AppLanguage::english);
}

}  // namespace

VeltranoApplication::VeltranoApplication(SingleInstance& instance, QObject* parent)
    : QObject(parent), instance_(instance) {
    // The language first: every text looked up from here on is kept once computed.
    auto languageStore = std::make_shared<SettingsFileAppLanguagePreferenceStore>();
    const AppLanguage activeLanguage = activeInterfaceLanguage(*languageStore);
    translations_ = std::make_unique<InterfaceTranslations>(activeLanguage, interfaceTextPreparation(activeLanguage));
    applyInterfaceFont(activeLanguage);
    // Before the first screen: with the desktop's animations off, nothing moves.
    animationSetting_ = std::make_unique<PortalAnimationSetting>();
    MotionPreference::shared().follow(*animationSetting_);

    // Then the delegate, so that crash capture can start before anything else runs.
    AppDelegate::Environment environment;
    environment.scheduler = &QtScheduler::shared();
    environment.crashReports =
        std::make_shared<MacCrashReportCoordinator>(MacCrashReportCoordinator::standardServices());
    environment.updater = std::make_shared<PackageManagedUpdater>();
    environment.relaunchApplication = [this](const QStringList& files) -> VoidResult {
        // The new instance must become the running one, not hand itself over to us.
        instance_.stopListening();
        VoidResult started = ApplicationRelauncher::relaunch(files);
        if (!started.ok()) instance_.resumeListening();
        return started;
    };
    // Not quit(): that asks every window to close once more, and the window's close
    // question would start a new close request and veto an end already decided.
    environment.exitEventLoop = [] { QCoreApplication::exit(0); };
    delegate_ = std::make_unique<AppDelegate>(std::move(environment));

    auto settingsStore =
        std::make_shared<JSONApplicationSettingsStore>(JSONApplicationSettingsStore::defaultSettingsURL());

    PrepareEditingCanvas prepare = &EditingCanvas::prepare;
    model_ = std::make_unique<AppModel>(
        settingsStore, languageStore, activeLanguage, std::make_shared<FirebaseFeedbackClient>(),
        std::make_shared<FeedbackIdentityStore>(), std::move(prepare), QtScheduler::shared());
    model_->fileManager = std::make_shared<DesktopFileManager>();

    window_ = std::make_unique<MainWindow>(*delegate_);
    // The delegate itself hands the model over, opens queued files and writes the
    // settings on the way out, so the root view leaves those tasks to the shell.
    auto* rootView = new AppContentView(*model_, QtScheduler::shared(), MotionPreference::shared(), window_.get(),
                                        AppContentView::RootTasks::leftToTheShell);
    rootView->setQuitApplication([this] { delegate_->requestTermination(); });
    rootView->setRelaunchForLanguageChange([this] { delegate_->relaunchForLanguageChange(); });
    rootView->setImageFolderMemory(
        std::make_shared<ImageFolderMemory>(SettingsFileAppLanguagePreferenceStore::defaultFilePath()));
    rootView->useApplicationScreens();
    window_->setRootView(rootView);
    model_->sharePicker = std::make_shared<MenuSharePicker>(
        rootView, std::make_shared<PopupShareMenuDriver>(),
        std::make_shared<DesktopShareServices>(std::make_shared<DBusDesktopPortal>(), model_->fileManager));
    ApplicationCommands::Actions actions;
    QPointer<MainWindow> window(window_.get());
    actions.quit = [this] { delegate_->requestTermination(); };
    actions.showAbout = [window] { AboutPanel::present(window); };
    actions.openDocumentation = [window] { HelpLinks::openDocumentation(window); };
    actions.openSupportPage = [activeLanguage, window] { HelpLinks::openSupportPage(activeLanguage, window); };
    commands_ = std::make_unique<ApplicationCommands>(*model_, *window_->menuBar(), std::move(actions));

    signalWatcher_ = std::make_unique<TerminationSignalWatcher>();
    connect(signalWatcher_.get(), &TerminationSignalWatcher::terminationRequested, this,
            &VeltranoApplication::handleTerminationSignal);
    connect(model_.get(), &AppModel::closeRequestStateChanged, this, &VeltranoApplication::closeRequestMayHaveEnded);
    connect(&instance_, &SingleInstance::filesReceived, window_.get(), &MainWindow::receiveSecondLaunch);
}

VeltranoApplication::~VeltranoApplication() = default;

int VeltranoApplication::run(const QList<QUrl>& launchFiles) {
    QApplication::setQuitOnLastWindowClosed(false);
    delegate_->applicationWillFinishLaunching();
    delegate_->applicationDidFinishLaunching();
    if (!launchFiles.isEmpty()) delegate_->openURLs(launchFiles);

    window_->show();
    delegate_->attach(window_.get());
    // As soon as the window's content is up: the model takes over the queued files
    // and the closing questions.
    QPointer<VeltranoApplication> guard(this);
    QtScheduler::shared().post([guard] {
        if (!guard) return;
        guard->delegate_->attach(guard->model_.get());
        guard->model_->cleanUpStaleSharePayloads();
    });
    return QApplication::exec();
}

void VeltranoApplication::handleTerminationSignal() {
    // A signal asks like Quit does. Another one means it, but only while the question
    // the first one met is still open, or while the end already decided waits on output
    // tasks: once the practitioner has answered Cancel and gone on editing, the next
    // signal asks again.
    const bool questionOpen = model_->closeRequestState().isCloseRequestPending;
    if ((questionOpen && signalMetCloseRequest_) || (delegate_->isTerminating() && signalCameBefore_)) {
        delegate_->forceTermination();
        return;
    }
    signalCameBefore_ = true;
    signalMetCloseRequest_ = true;
    delegate_->requestTermination();
}

void VeltranoApplication::closeRequestMayHaveEnded() {
    if (!model_->closeRequestState().isCloseRequestPending) signalMetCloseRequest_ = false;
}

}  // namespace vlt
