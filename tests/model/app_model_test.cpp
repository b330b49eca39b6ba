#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSignalSpy>

#include "model/model_test_support.h"
#include "model/app_model_test_access.h"
#include "foundation/capturing_event_log_sink.h"

namespace vlt {
namespace {

using testing::ModelFixture;

TEST(AppModelStartTest, LoadsSettingsAndIdentityWithoutWriting) {
    ScopedCapturingEventLog log;
    ModelFixture fixture;
    fixture.settingsStore->stored =
        ApplicationSettings::defaults().updatingComparisonLabels(QStringLiteral("Before"), QStringLiteral("After"));
    fixture.rebuild();

    EXPECT_EQ(fixture.model->settingsState().settings, fixture.settingsStore->stored);
    EXPECT_EQ(fixture.model->feedbackInstallationID(), fixture.identityStore->identity);
    EXPECT_FALSE(fixture.model->areSettingsDirty());
    fixture.scheduler.advance(10.0);
    EXPECT_TRUE(fixture.settingsStore->writes.empty());
    EXPECT_EQ(log->count(), 0u);
}

TEST(AppModelStartTest, UnreadableStoresGiveDefaultsAFreshIdentityAndOneEventEach) {
    ScopedCapturingEventLog log;
    ModelFixture fixture;
    fixture.settingsStore->loadFailure = testing::makeTestError();
    fixture.identityStore->failure = testing::makeTestError();
    fixture.rebuild();

    EXPECT_EQ(fixture.model->settingsState().settings, ApplicationSettings::defaults());
    EXPECT_EQ(log->eventsNamed("settings_load_failed").size(), 1u);
    const QString identity = fixture.model->feedbackInstallationID();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(identity).hasMatch())
        << identity.toStdString();
    EXPECT_NE(identity, fixture.identityStore->identity);
    EXPECT_EQ(log->eventsNamed("feedback_identity_failed").size(), 1u);
    fixture.scheduler.advance(10.0);
    EXPECT_TRUE(fixture.settingsStore->writes.empty());
}

TEST(AppModelStartTest, SelectedLanguageComesFromTheStoredPreference) {
    ModelFixture fixture;
    fixture.languageStore->stored = QStringList{QStringLiteral("pt_BR")};
    fixture.rebuild();
    EXPECT_EQ(fixture.model->settingsState().selectedLanguage, AppLanguage::brazilianPortuguese);
    EXPECT_EQ(fixture.model->settingsState().activeLanguage, AppLanguage::english);

    fixture.languageStore->stored = QStringList{QStringLiteral("de")};
    fixture.rebuild(AppLanguage::french);
    EXPECT_EQ(fixture.model->settingsState().selectedLanguage, AppLanguage::french);
}

TEST(AppModelObservationTest, AnAreaSignalsOnceForEachWriteThatChangedIt) {
    ModelFixture fixture;
    AppModel& model = *fixture.model;
    QSignalSpy import(&model, &AppModel::importStateChanged);
    QSignalSpy shortcuts(&model, &AppModel::shortcutsStateChanged);
    QSignalSpy settings(&model, &AppModel::settingsStateChanged);
    QSignalSpy presenting(&model, &AppModel::isPresentingModalChanged);
    QSignalSpy locked(&model, &AppModel::isInteractionLockedChanged);
    QSignalSpy video(&model, &AppModel::animationVideoSaveStateChanged);
    QSignalSpy share(&model, &AppModel::shareStateChanged);

    for (int write = 0; write < 2; ++write) {
        model.refuseDrop(QStringLiteral("Please drop one image file."));
        model.presentShortcuts();
        AppModelTestAccess::changeAnimationVideoSaveState(
            model, [write](AnimationVideoSaveState& state) { state.progress = 0.25 * write; });
        AppModelTestAccess::changeShareState(model, [](ShareState& state) { state.shareImageState.emplace(); });
    }
    model.closeShortcuts();
    AppModelTestAccess::changeShareState(model, [](ShareState& state) { state.shareImageState.reset(); });
    // Clearing the old failure and opening at a section is one write.
    model.presentSettings(SettingsSection::language);

    EXPECT_EQ(import.count(), 1);
    EXPECT_EQ(shortcuts.count(), 2);
    EXPECT_EQ(settings.count(), 1);
    // The derived flags signal only when they change.
    EXPECT_EQ(presenting.count(), 3);
    EXPECT_EQ(locked.count(), 3);
    EXPECT_EQ(video.count(), 1);
    EXPECT_EQ(share.count(), 2);
}

TEST(AppModelShortcutsTest, OpeningDropsAnUnfinishedGestureUnlessLocked) {
    ModelFixture fixture;
    auto session = fixture.openEditor();
    int cancelledGestures = 0;
    session->cancelEditorGesture = [&cancelledGestures] { ++cancelledGestures; };

    const auto presentSaveImages = [&](bool presented) {
        AppModelTestAccess::changeStillImageSaveState(
            *fixture.model, [presented](StillImageSaveState& state) { state.isSaveImagesPresented = presented; });
    };
    presentSaveImages(true);
    fixture.model->presentShortcuts();
    EXPECT_FALSE(fixture.model->shortcutsState().isShortcutsPresented);
    EXPECT_EQ(cancelledGestures, 0);

    presentSaveImages(false);
    fixture.model->presentShortcuts();
    EXPECT_TRUE(fixture.model->shortcutsState().isShortcutsPresented);
    EXPECT_EQ(cancelledGestures, 1);
}

}  // namespace
}  // namespace vlt
