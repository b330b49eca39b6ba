#include <gtest/gtest.h>

#include "model/model_test_support.h"
#include "model/app_model_test_access.h"
#include "foundation/capturing_event_log_sink.h"

namespace vlt {
namespace {

using testing::ModelFixture;

const QString kSaveFailureText =
    QStringLiteral("These settings could not be saved. They remain active for this session.");

ApplicationSettings withContactName(const ApplicationSettings& settings, const QString& name) {
    ApplicationSettings changed = settings;
    changed.contactName = name;
    return changed.normalized();
}

class AppModelSettingsTest : public ::testing::Test {
protected:
    void change(const QString& name) {
        model().updateSettings(withContactName(model().settingsState().settings, name));
    }
    AppModel& model() { return *fixture.model; }
    const std::vector<ApplicationSettings>& writes() { return fixture.settingsStore->writes; }

    ModelFixture fixture;
};

TEST_F(AppModelSettingsTest, ABurstOfChangesIsWrittenOnceHalfASecondAfterTheLast) {
    for (int index = 0; index < 5; ++index) {
        change(QStringLiteral("Name %1").arg(index));
        fixture.scheduler.advance(0.06);
    }
    EXPECT_TRUE(writes().empty());

    fixture.scheduler.advance(0.5 - 0.06 - 0.001);
    EXPECT_TRUE(writes().empty());
    fixture.scheduler.advance(0.002);
    ASSERT_EQ(writes().size(), 1u);
    EXPECT_EQ(writes().front().contactName, QStringLiteral("Name 4"));
    EXPECT_FALSE(model().areSettingsDirty());

    fixture.scheduler.advance(5.0);
    EXPECT_EQ(writes().size(), 1u);
}

TEST_F(AppModelSettingsTest, TheSameValuesScheduleNothingAndKeepAShownError) {
    AppModelTestAccess::changeSettingsState(
        model(), [&](SettingsState& state) { state.settingsPersistenceError = kSaveFailureText; });
    model().updateSettings(model().settingsState().settings);
    fixture.scheduler.advance(1.0);

    EXPECT_TRUE(writes().empty());
    EXPECT_FALSE(model().hasPendingSettingsSave());
    EXPECT_EQ(model().settingsState().settingsPersistenceError, kSaveFailureText);
}

TEST_F(AppModelSettingsTest, ComparisonLabelsReachAnOpenEditorAtOnce) {
    auto session = fixture.openEditor();
    model().updateSettings(
        model().settingsState().settings.updatingComparisonLabels(QStringLiteral("Before"), QStringLiteral("After")));

    EXPECT_EQ(session->originalComparisonLabel(), QStringLiteral("Before"));
    EXPECT_EQ(session->simulationComparisonLabel(), QStringLiteral("After"));
}

TEST_F(AppModelSettingsTest, AFailedWriteKeepsTheValuesAndRetriesLater) {
    ScopedCapturingEventLog log;
    fixture.settingsStore->saveFailure = testing::makeTestError(EACCES);
    change(QStringLiteral("Dr. Ana Ruiz"));
    fixture.scheduler.advance(0.5);

    EXPECT_EQ(model().settingsState().settings.contactName, QStringLiteral("Dr. Ana Ruiz"));
    EXPECT_EQ(model().settingsState().settingsPersistenceError, kSaveFailureText);
    EXPECT_TRUE(model().areSettingsDirty());
    EXPECT_EQ(log->eventsNamed("settings_save_failed").size(), 1u);

    fixture.settingsStore->saveFailure = nullptr;
    EXPECT_TRUE(model().saveSettingsNow());
    EXPECT_EQ(writes().size(), 1u);
    EXPECT_FALSE(model().settingsState().settingsPersistenceError.has_value());
    EXPECT_FALSE(model().areSettingsDirty());
}

TEST_F(AppModelSettingsTest, OpeningTheDialogClearsAnOldErrorButNotWhileLocked) {
    AppModelTestAccess::changeSettingsState(
        model(), [&](SettingsState& state) { state.settingsPersistenceError = kSaveFailureText; });
    model().reportGraphicsFailure();
    model().presentSettings(SettingsSection::performance);
    EXPECT_FALSE(model().settingsState().activeSettingsSection.has_value());
    EXPECT_TRUE(model().settingsState().settingsPersistenceError.has_value());

    model().closeGraphicsFailure();
    model().presentSettings(SettingsSection::performance);
    EXPECT_EQ(model().settingsState().activeSettingsSection, SettingsSection::performance);
    EXPECT_FALSE(model().settingsState().settingsPersistenceError.has_value());
}

TEST_F(AppModelSettingsTest, LanguageRestartNeedsAnotherLanguageWritesAtOnceAndRunsOnce) {
    change(QStringLiteral("Dr. Ana Ruiz"));
    EXPECT_FALSE(model().beginLanguageRestart()) << "the active language needs no restart";
    EXPECT_TRUE(writes().empty());
    EXPECT_FALSE(model().settingsState().isLanguageRestartInProgress);

    model().selectLanguage(AppLanguage::japanese);
    AppModelTestAccess::changeSettingsState(model(), [&](SettingsState& state) {
        state.languageRestartError = QStringLiteral("Veltrano could not restart. Close and reopen the app.");
    });
    EXPECT_TRUE(model().beginLanguageRestart());
    EXPECT_EQ(writes().size(), 1u);
    EXPECT_TRUE(model().settingsState().isLanguageRestartInProgress);
    EXPECT_FALSE(model().settingsState().languageRestartError.has_value());
    EXPECT_FALSE(model().hasPendingSettingsSave());

    EXPECT_FALSE(model().beginLanguageRestart());
}

}  // namespace
}  // namespace vlt
