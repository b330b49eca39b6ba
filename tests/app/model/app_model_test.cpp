#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSignalSpy>

#include "app/model/model_test_support.h"
#include "foundation/capturing_event_log_sink.h"

namespace vlt {
namespace {

using testing::ModelFixture;

bool isInstallationIdentity(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{32}$"));
    return pattern.match(text).hasMatch();
}

TEST(AppModelStartTest, LoadsSettingsAndIdentityWithoutWriting) {
    ApplicationSettings stored = ApplicationSettings::defaults();
    stored.contactName = QStringLiteral("Dr. Ana Ruiz");

    ScopedCapturingEventLog log;
    ModelFixture fixture;
    fixture.settingsStore->stored = stored;
    fixture.model = std::make_unique<AppModel>(fixture.settingsStore, fixture.languageStore, AppLanguage::english,
                                               nullptr, fixture.identityStore, PrepareEditingCanvas(),
                                               fixture.scheduler);

    EXPECT_EQ(fixture.model->settings().contactName, QStringLiteral("Dr. Ana Ruiz"));
    EXPECT_EQ(fixture.model->feedbackInstallationID(), fixture.identityStore->identity);
    EXPECT_FALSE(fixture.model->areSettingsDirty());
    fixture.scheduler.advance(10.0);
    EXPECT_TRUE(fixture.settingsStore->writes.empty());
    EXPECT_EQ(log->count(), 0u);
}

TEST(AppModelStartTest, UnreadableSettingsGiveDefaultsAndOneEvent) {
    ScopedCapturingEventLog log;
    ModelFixture fixture;
    fixture.settingsStore->loadFailure = testing::makeTestError();
    fixture.model = std::make_unique<AppModel>(fixture.settingsStore, fixture.languageStore, AppLanguage::english,
                                               nullptr, fixture.identityStore, PrepareEditingCanvas(),
                                               fixture.scheduler);

    EXPECT_EQ(fixture.model->settings(), ApplicationSettings::defaults());
    EXPECT_EQ(log->eventsNamed("settings_load_failed").size(), 1u);
    fixture.scheduler.advance(10.0);
    EXPECT_TRUE(fixture.settingsStore->writes.empty());
}

TEST(AppModelStartTest, UnreadableIdentityGivesAWorkingIdentityForThisRun) {
    ScopedCapturingEventLog log;
    ModelFixture fixture;
    fixture.identityStore->failure = testing::makeTestError();
    fixture.model = std::make_unique<AppModel>(fixture.settingsStore, fixture.languageStore, AppLanguage::english,
                                               nullptr, fixture.identityStore, PrepareEditingCanvas(),
                                               fixture.scheduler);

    EXPECT_TRUE(isInstallationIdentity(fixture.model->feedbackInstallationID()));
    EXPECT_NE(fixture.model->feedbackInstallationID(), fixture.identityStore->identity);
    EXPECT_EQ(log->eventsNamed("feedback_identity_failed").size(), 1u);
}

TEST(AppModelStartTest, SelectedLanguageComesFromTheStoredPreference) {
    ModelFixture fixture;
    fixture.languageStore->stored = QStringList{QStringLiteral("pt_BR")};
    fixture.model = std::make_unique<AppModel>(fixture.settingsStore, fixture.languageStore, AppLanguage::english,
                                               nullptr, fixture.identityStore, PrepareEditingCanvas(),
                                               fixture.scheduler);
    EXPECT_EQ(fixture.model->selectedLanguage(), AppLanguage::brazilianPortuguese);
    EXPECT_EQ(fixture.model->activeLanguage(), AppLanguage::english);

    fixture.languageStore->stored = QStringList{QStringLiteral("de")};
    fixture.model = std::make_unique<AppModel>(fixture.settingsStore, fixture.languageStore, AppLanguage::french,
                                               nullptr, fixture.identityStore, PrepareEditingCanvas(),
                                               fixture.scheduler);
    EXPECT_EQ(fixture.model->selectedLanguage(), AppLanguage::french);
}

TEST(AppModelObservationTest, ValueFieldsSignalOnlyOnChange) {
    ModelFixture fixture;
    AppModel& model = *fixture.model;
    QSignalSpy error(&model, &AppModel::inlineImportErrorChanged);
    QSignalSpy progress(&model, &AppModel::animationVideoSaveProgressChanged);
    QSignalSpy share(&model, &AppModel::shareImageStateChanged);

    model.setInlineImportError(QStringLiteral("Please drop one image file."));
    model.setInlineImportError(QStringLiteral("Please drop one image file."));
    model.setAnimationVideoSaveProgress(0.0);
    model.setAnimationVideoSaveProgress(0.25);
    model.setShareImageState(ShareImageDialogState{});
    model.setShareImageState(ShareImageDialogState{});

    EXPECT_EQ(error.count(), 1);
    EXPECT_EQ(progress.count(), 1);
    EXPECT_EQ(share.count(), 1);
}

TEST(AppModelObservationTest, ObjectFieldsSignalOnEveryWrite) {
    ModelFixture fixture;
    AppModel& model = *fixture.model;
    QSignalSpy document(&model, &AppModel::documentChanged);
    QSignalSpy session(&model, &AppModel::editorSessionChanged);

    auto opened = testing::makeCropDocument();
    model.setDocument(opened);
    model.setDocument(opened);
    model.setEditorSession(nullptr);

    EXPECT_EQ(document.count(), 2);
    EXPECT_EQ(session.count(), 1);
}

TEST(AppModelShortcutsTest, OpeningDropsAnUnfinishedGesture) {
    ModelFixture fixture;
    auto session = fixture.openEditor();
    int cancelledGestures = 0;
    session->cancelEditorGesture = [&cancelledGestures] { ++cancelledGestures; };

    fixture.model->presentShortcuts();

    EXPECT_TRUE(fixture.model->isShortcutsPresented());
    EXPECT_EQ(cancelledGestures, 1);
}

TEST(AppModelShortcutsTest, NothingHappensWhileLocked) {
    ModelFixture fixture;
    auto session = fixture.openEditor();
    int cancelledGestures = 0;
    session->cancelEditorGesture = [&cancelledGestures] { ++cancelledGestures; };
    fixture.model->setIsSaveImagesPresented(true);

    fixture.model->presentShortcuts();

    EXPECT_FALSE(fixture.model->isShortcutsPresented());
    EXPECT_EQ(cancelledGestures, 0);
}

}  // namespace
}  // namespace vlt
