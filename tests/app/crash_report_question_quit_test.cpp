#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_content_view.h"
#include "app/app_overlay_layer.h"
#include "app/application_commands.h"
#include "crash_capture/vt_crash_reporter.h"
#include "crash_reports/crash_report_alert_presenter.h"
#include "crash_reports/mac_crash_report_coordinator.h"
#include "crash_reports/mac_crash_report_failure.h"
#include "screens/crop/crop_view.h"
#include "pending_crash_support.h"
#include "shell_test_support.h"

namespace vlt {
namespace {

using PendingCrash = testing::UnsendablePendingCrash;

// The shell's window with the menu bar the application builds, a button as its content,
// and the crash report's question offered in it, as at a launch after a crash.
struct QuestionAtLaunch {
    QuestionAtLaunch() {
        ApplicationCommands::Actions actions;
        actions.quit = [this] { shell.delegate->requestTermination(); };
        commands = std::make_unique<ApplicationCommands>(shell.model(), *shell.window->menuBar(), std::move(actions));
        content = new QPushButton(QStringLiteral("Behind the question"));
        QObject::connect(content, &QPushButton::clicked, [this] { ++contentClicks; });
        shell.window->setRootView(content);
        content->setFocus();
        MacCrashReportCoordinator::Services services{
            crash, [] { return Result<std::string>(std::string(32, 'a')); },
            [this] { return std::unique_ptr<CrashCapturing>(new testing::ForwardingCrashCapture(*crash)); },
            [] { return true; }, std::make_shared<CrashReportAlertPresenter>()};
        coordinator = std::make_unique<MacCrashReportCoordinator>(std::move(services));
        coordinator->start();
        coordinator->offerPendingReportIfNeeded(shell.window.get());
    }

    QMessageBox* sheet(const QString& message) const {
        for (QMessageBox* box : shell.window->findChildren<QMessageBox*>()) {
            if (box->text() == message && box->isVisible()) return box;
        }
        return nullptr;
    }
    void clickAt(QWidget* widget, QPoint point) {
        QWidget* top = widget->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, point));
    }

    testing::ShellFixture shell;
    std::shared_ptr<PendingCrash> crash = std::make_shared<PendingCrash>();
    std::unique_ptr<ApplicationCommands> commands;
    QPushButton* content = nullptr;
    int contentClicks = 0;
    std::unique_ptr<MacCrashReportCoordinator> coordinator;
};

// While the question or its "Crash report not sent" notice is up, the window's content
// takes neither clicks nor keys, but Ctrl+Q, wherever the keyboard is, and File > Quit
// end the application; the report, unanswered, stays for the next launch.
TEST(CrashReportQuestionTest, QuittingStaysPossibleAndKeepsTheReport) {
    enum class Quit { ctrlQInTheSheet, ctrlQInTheWindow, fileMenu };
    const struct {
        const char* situation;
        bool afterAFailedSend;
        Quit quit;
    } cases[] = {
        {"Ctrl+Q at the question", false, Quit::ctrlQInTheSheet},
        {"File > Quit at the question", false, Quit::fileMenu},
        {"Ctrl+Q in the window, the notice up", true, Quit::ctrlQInTheWindow},
        {"File > Quit at the notice", true, Quit::fileMenu},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.situation);
        QuestionAtLaunch test;
        QMessageBox* question = test.sheet(QStringLiteral("Veltrano encountered an unexpected error"));
        ASSERT_NE(question, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(question));
        if (row.afterAFailedSend) {
            QTest::keyClick(question->windowHandle(), Qt::Key_Return);
            ASSERT_NE(test.sheet(QStringLiteral("Crash report not sent")), nullptr);
        }
        QMessageBox* sheet =
            test.sheet(row.afterAFailedSend ? QStringLiteral("Crash report not sent")
                                            : QStringLiteral("Veltrano encountered an unexpected error"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet));

        // The content: neither a click nor Space, once the window has the keyboard.
        test.clickAt(test.content, test.content->rect().center());
        QTest::keyClick(test.shell.window->windowHandle(), Qt::Key_Space);
        EXPECT_EQ(test.contentClicks, 0);
        EXPECT_TRUE(sheet->isVisible());
        if (row.quit != Quit::ctrlQInTheWindow) {
            test.shell.window->activateWindow();
            sheet->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(sheet));
        }

        switch (row.quit) {
        case Quit::ctrlQInTheSheet:
            QTest::keyClick(sheet->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
            break;
        case Quit::ctrlQInTheWindow:
            QTest::keyClick(test.shell.window->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
            break;
        case Quit::fileMenu: {
            QMenuBar* bar = test.shell.window->menuBar();
            QMenu* file = test.commands->menu(0);
            test.clickAt(bar, bar->actionGeometry(file->menuAction()).center());
            ASSERT_TRUE(QTest::qWaitFor([file] { return file->isVisible(); }, 2000)) << "the File menu did not open";
            test.clickAt(file, file->actionGeometry(test.commands->action(MenuCommand::quit)).center());
            break;
        }
        }
        test.shell.models.scheduler.runDue();
        EXPECT_EQ(test.shell.exitCount, 1);
        // The application ends: its window goes, and the sheet with it, unanswered.
        test.shell.window.reset();
        EXPECT_EQ(test.crash->purges, 0);
        EXPECT_TRUE(test.coordinator->pendingReport());
    }
}

// The application as it starts after a crash: its delegate offers the report in the
// window with the real screens, menus and an image model on the event loop.
TEST(CrashReportQuestionTest, NothingOpensBeneathTheQuestionAndAFileHandedOverWaitsForTheAnswer) {
    testing::ReducedMotion reducedMotion;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QUrl picture = testing::writeJpeg(folder.filePath(QStringLiteral("patient.jpg")), 480, 360);
    auto crash = std::make_shared<PendingCrash>();
    MacCrashReportCoordinator::Services services{
        crash, [] { return Result<std::string>(std::string(32, 'a')); },
        [crash] { return std::unique_ptr<CrashCapturing>(new testing::ForwardingCrashCapture(*crash)); },
        [] { return true; }, std::make_shared<CrashReportAlertPresenter>()};
    AppDelegate::Environment environment;
    environment.scheduler = &QtScheduler::shared();
    environment.updater = std::make_shared<FakeUpdater>();
    environment.crashReports = std::make_shared<MacCrashReportCoordinator>(std::move(services));
    int exits = 0;
    environment.exitEventLoop = [&exits] { ++exits; };
    AppDelegate delegate(std::move(environment));
    std::unique_ptr<AppModel> model = testing::makeEventLoopModel();
    MainWindow window(delegate);
    auto* root = new AppContentView(*model, QtScheduler::shared(), MotionPreference::shared(), &window,
                                    AppContentView::RootTasks::leftToTheShell);
    root->useApplicationScreens();
    window.setRootView(root);
    ApplicationCommands::Actions actions;
    actions.quit = [&delegate] { delegate.requestTermination(); };
    ApplicationCommands commands(*model, *window.menuBar(), std::move(actions));
    delegate.applicationWillFinishLaunching();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    delegate.attach(&window);
    delegate.attach(model.get());
    const auto question = [&window] {
        for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
            if (box->isVisible()) return box;
        }
        return static_cast<QMessageBox*>(nullptr);
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return question() != nullptr; }, 5000));
    ASSERT_TRUE(QTest::qWaitForWindowActive(question()));
    // A key that still reaches the window (without a window manager it may keep the
    // keyboard as the question opens) lands on the cover, which hands it on.
    const QWidget* windowFocus = window.focusWidget();
    EXPECT_TRUE(windowFocus != nullptr &&
                windowFocus->objectName() == QLatin1String(CrashReportAlertPresenter::kContentShieldName))
        << "keys reaching the window land nowhere";

    // Only Quit, About and the support page stay in the menus.
    for (const MenuCommand command : {MenuCommand::openImage, MenuCommand::settings, MenuCommand::shortcuts,
                                      MenuCommand::sendFeedback, MenuCommand::settingsLanguage}) {
        EXPECT_FALSE(commands.action(command)->isEnabled()) << "a menu command stays available beneath the question";
    }
    for (const MenuCommand command : {MenuCommand::quit, MenuCommand::aboutVeltrano, MenuCommand::support}) {
        EXPECT_TRUE(commands.action(command)->isEnabled());
    }
    // Their keys open nothing, from the question or from the window.
    QTest::keyClick(question()->windowHandle(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(window.windowHandle(), Qt::Key_Comma, Qt::ControlModifier);
    QTest::qWait(100);
    EXPECT_EQ(window.findChild<QFileDialog*>(), nullptr) << "the open panel came up over the question";
    EXPECT_EQ(root->overlay(AppOverlayLayer::settings), nullptr) << "Settings opened beneath the question";

    // The window given the keyboard (a panel above the question closed) hands it to the
    // question, which Escape then answers.
    bool windowHadTheKeyboard = false;
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &window,
                     [&](QWindow* focus) { windowHadTheKeyboard |= focus == window.windowHandle(); });
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return windowHadTheKeyboard; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == question()->windowHandle(); }, 5000))
        << "the window kept the keyboard from the question";

    // A file handed over meanwhile (a second launch) opens once the question is answered.
    delegate.openURLs({picture});
    QTest::qWait(100);
    EXPECT_EQ(qobject_cast<CropView*>(root->baseScreenWidget()), nullptr) << "the file opened beneath the question";
    QTest::keyClick(question()->windowHandle(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return question() == nullptr; }, 5000));
    EXPECT_EQ(crash->purges, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return qobject_cast<CropView*>(root->baseScreenWidget()) != nullptr; }, 10000));
    EXPECT_TRUE(commands.action(MenuCommand::openImage)->isEnabled());
    EXPECT_TRUE(commands.action(MenuCommand::settings)->isEnabled());
    EXPECT_EQ(exits, 0);
}

}  // namespace
}  // namespace vlt
