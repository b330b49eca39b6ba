#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/app_content_view.h"
#include "app/application_commands.h"
#include "screens/start/startup_toolbar.h"
#include "screens/start/startup_view.h"
#include "app/unsaved_changes_alert.h"
#include "base/scheduler.h"
#include "foundation/capturing_event_log_sink.h"
#include "foundation/json_application_settings_store.h"
#include "foundation/settings_file_app_language_preference_store.h"
#include "screens/settings/settings_comparison_labels_section.h"
#include "screens/settings/settings_contact_section.h"
#include "screens/settings/settings_draft_controller.h"
#include "screens/settings/settings_language_section.h"
#include "screens/settings/settings_modal.h"
#include "screens/settings/settings_navigation_rail.h"
#include "ui/settings_notice_frame.h"
#include "screens/settings/settings_performance_section.h"
#include "shell_test_support.h"
#include "ui/motion_preference.h"
#include "ui/settings_single_track_slider.h"
#include "ui/settings_text_editor.h"
#include "ui/settings_text_field.h"

namespace vlt {
namespace {

QJsonObject readJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

SettingsModal* settingsModal(const AppContentView& view) {
    return qobject_cast<SettingsModal*>(view.overlay(AppOverlayLayer::settings));
}

// The whole road on the real event loop: the start page's button and a menu command
// open the dialog, typed values land in the settings file after the pause, the
// language choice in the configuration file, and Escape closes after the fade.
TEST(SettingsDialogRoadTest, EditsReachTheSettingsFileAndTheDialogClosesWithEscape) {
    QTemporaryDir folder;
    const QString settingsPath = folder.filePath(QStringLiteral("settings.json"));
    const QString languagePath = folder.filePath(QStringLiteral("Veltrano.conf"));
    AppModel model(std::make_shared<JSONApplicationSettingsStore>(settingsPath.toStdString()),
                   std::make_shared<SettingsFileAppLanguagePreferenceStore>(languagePath), AppLanguage::english,
                   nullptr, nullptr, {}, QtScheduler::shared());
    QMainWindow window;
    auto* view = new AppContentView(model, QtScheduler::shared(), MotionPreference::shared(), &window,
                                    AppContentView::RootTasks::leftToTheShell);
    window.setCentralWidget(view);
    window.resize(1180, 820);
    window.show();
    QApplication::setActiveWindow(&window);
    ApplicationCommands commands(model, *window.menuBar(), {});

    qobject_cast<StartupView*>(view->baseScreenWidget())->toolbar()->settingsButton()->click();
    SettingsModal* modal = settingsModal(*view);
    ASSERT_NE(modal, nullptr);
    QTest::keyClicks(modal->contactSection()->textField(SettingsContactField::name), QStringLiteral("Dr. Ana Ruiz"));
    QTest::keyClicks(modal->contactSection()->addressEditor(), QStringLiteral("Main Street 1"));
    QTest::keyClick(modal->contactSection()->addressEditor(), Qt::Key_Return);
    QTest::keyClicks(modal->contactSection()->addressEditor(), QStringLiteral("Town"));
    modal->rail()->entry(SettingsSection::comparisonLabels)->click();
    SettingsTextField* original = modal->comparisonLabelsSection()->originalField();
    original->selectAll();
    QTest::keyClicks(original, QStringLiteral("Before"));
    QTRY_COMPARE_WITH_TIMEOUT(readJson(settingsPath).value("contactName").toString(), "Dr. Ana Ruiz", 3000);
    EXPECT_EQ(readJson(settingsPath).value("contactAddress").toString(), "Main Street 1\nTown");
    EXPECT_EQ(readJson(settingsPath).value("originalComparisonLabel").toString(), "Before");
    modal->doneButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(view->overlay(AppOverlayLayer::settings) == nullptr, 2000);

    commands.action(MenuCommand::settingsPerformance)->trigger();
    modal = settingsModal(*view);
    ASSERT_NE(modal, nullptr);
    EXPECT_TRUE(modal->performanceSection()->isVisible());
    EXPECT_EQ(modal->contactSection()->textField(SettingsContactField::name)->text(), "Dr. Ana Ruiz");
    SettingsSingleTrackSlider* slider = modal->performanceSection()->slider();
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(8, slider->height() / 2));
    EXPECT_EQ(modal->performanceSection()->numberField()->text(), "500");
    // From the number field, Tab reaches the slider, whose keys write the size too.
    modal->performanceSection()->numberField()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), slider);
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(modal->performanceSection()->numberField()->text(), "501");
    QTRY_COMPARE_WITH_TIMEOUT(readJson(settingsPath).value("maximumImageSide").toInt(), 501, 3000);
    modal->rail()->entry(SettingsSection::language)->click();
    modal->languageSection()->option(AppLanguage::turkish)->click();
    EXPECT_EQ(QSettings(languagePath, QSettings::IniFormat).value("AppleLanguages").toStringList(),
              QStringList{QStringLiteral("tr")});

    QTest::keyClick(modal->rail()->entry(SettingsSection::language), Qt::Key_Escape);
    EXPECT_EQ(readJson(settingsPath).value("maximumImageSide").toInt(), 501);
    QTRY_VERIFY_WITH_TIMEOUT(view->overlay(AppOverlayLayer::settings) == nullptr, 2000);
    EXPECT_FALSE(model.settingsState().activeSettingsSection.has_value());
    EXPECT_TRUE(view->baseScreenWidget()->isEnabled());

    // A folder where the settings file should be: the write fails, yet the language has
    // a file of its own, so "Restart now" goes ahead, a size still being typed taken up.
    int relaunches = 0;
    view->setRelaunchForLanguageChange([&relaunches] { ++relaunches; });
    QFile::remove(settingsPath);
    QDir().mkdir(settingsPath);
    commands.action(MenuCommand::settingsPerformance)->trigger();
    modal = settingsModal(*view);
    ASSERT_NE(modal, nullptr);
    modal->performanceSection()->numberField()->selectAll();
    QTest::keyClicks(modal->performanceSection()->numberField(), QStringLiteral("9000"));
    modal->languageSection()->restartButton()->click();
    EXPECT_EQ(relaunches, 1);
    EXPECT_EQ(model.settingsState().settings.maximumImageSide, 4096);
    EXPECT_TRUE(modal->persistenceErrorLabel()->isVisible());
}

class SettingsRestartTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = new AppContentView(shell.model(), shell.models.scheduler, MotionPreference::shared(), shell.window.get(),
                                  AppContentView::RootTasks::leftToTheShell);
        view->setRelaunchForLanguageChange([this] { shell.delegate->relaunchForLanguageChange(); });
        shell.window->setRootView(view);
        view->show();
    }
    SettingsLanguageSection* openLanguageSection() {
        shell.model().presentSettings(SettingsSection::language);
        return settingsModal(*view)->languageSection();
    }

    testing::ReducedMotion reducedMotion;
    testing::ShellFixture shell;
    AppContentView* view = nullptr;
};

TEST_F(SettingsRestartTest, QuickPressesStartOneRestartAndARefusedCloseEnablesTheControlsAgain) {
    shell.models.openEditor();
    shell.models.makeUnsavedChange();
    SettingsLanguageSection* section = openLanguageSection();
    section->option(AppLanguage::japanese)->click();
    ASSERT_TRUE(section->restartNotice()->isVisible());

    section->restartButton()->setFocus();
    section->restartButton()->click();
    section->restartButton()->click();
    EXPECT_FALSE(section->restartButton()->isEnabled());
    EXPECT_FALSE(section->picker()->isEnabled());
    ASSERT_NE(shell.alert(), nullptr);
    EXPECT_EQ(shell.window->findChildren<QMessageBox*>().size(), 1);

    EXPECT_EQ(shell.alertInformativeText(),
              "Save before restarting?\n\nThe changes are not saved. Restarting now will discard them.");
    shell.answer(UnsavedChangesAlert::cancelButton(*shell.alert()));
    EXPECT_EQ(shell.relaunchCount, 0);
    EXPECT_FALSE(shell.model().settingsState().isLanguageRestartInProgress);
    EXPECT_TRUE(section->restartButton()->isEnabled());
    EXPECT_TRUE(section->picker()->isEnabled());
    EXPECT_TRUE(section->restartNotice()->isVisible());
    // The keyboard is back on the button, not on the dialog's close button.
    EXPECT_EQ(shell.window->focusWidget(), section->restartButton());
}

TEST_F(SettingsRestartTest, AFailedRelaunchKeepsRunningAndIsShownUnderTheLanguages) {
    ScopedCapturingEventLog log;
    shell.relaunchFailure = testing::makeTestError();
    SettingsLanguageSection* section = openLanguageSection();
    section->option(AppLanguage::italian)->click();
    section->restartButton()->click();
    shell.models.scheduler.runDue();
    EXPECT_EQ(shell.relaunchCount, 1);
    EXPECT_EQ(shell.exitCount, 0);
    EXPECT_EQ(log->eventsNamed("language_relaunch_failed").size(), 1u);
    EXPECT_TRUE(section->errorLabel()->isVisible());
    EXPECT_EQ(section->errorLabel()->text(), "Veltrano could not restart. Close and reopen the app.");
    EXPECT_TRUE(section->restartButton()->isEnabled());

    section->option(AppLanguage::english)->click();
    EXPECT_FALSE(section->errorLabel()->isVisible());
    EXPECT_FALSE(section->restartNotice()->isVisible());
}

// A picture of each section as the window shows it, kept beside the test binary.
TEST(SettingsDialogScreenshotTest, EachSectionAt1180By820) {
    testing::ReducedMotion reducedMotion;
    testing::ModelFixture models;
    models.changeSettings([](ApplicationSettings& settings) {
        settings.contactName = QStringLiteral("Dr. Ana Ruiz");
        settings.maximumImageSide = 3000;
    });
    models.model->selectLanguage(AppLanguage::french);
    AppContentView view(*models.model, models.scheduler, MotionPreference::shared());
    view.resize(1180, 820);
    view.show();

    for (const SettingsSection section : kAllSettingsSections) {
        models.model->presentSettings(section);
        models.model->selectSettingsSection(section);
        SettingsModal* modal = settingsModal(view);
        ASSERT_NE(modal, nullptr);
        // The contact section shows an e-mail address on its way; the others a valid one.
        const bool typing = section == SettingsSection::contactInformation;
        modal->controller().writeContactField(SettingsContactField::email,
                                              typing ? QStringLiteral("ana@") : QStringLiteral("ana@clinic.example"));
        QApplication::processEvents();
        const QImage shot = view.grab().toImage();
        const QString name = QString::fromLatin1(settingsSectionRawValue(section).data()).toLower().replace(' ', '_');
        EXPECT_TRUE(shot.save(QStringLiteral(VLT_SETTINGS_SCREENSHOT_DIR "/settings_%1_1180x820.png").arg(name)));
        // The rail marks the section shown and no other.
        for (const SettingsSection other : kAllSettingsSections)
            EXPECT_EQ(modal->rail()->entry(other)->isChecked(), other == section);
    }
}

}  // namespace
}  // namespace vlt
