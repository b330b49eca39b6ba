#include "screens/settings/settings_draft_controller.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>

#include "model/model_test_support.h"

namespace vlt {
namespace {

using Kind = SettingsFocusField::Kind;

class SettingsDraftControllerTest : public ::testing::Test {
protected:
    // A stored record with a valid e-mail and web site, the dialog open at `section`.
    void open(SettingsSection section = SettingsSection::contactInformation) {
        ApplicationSettings stored = ApplicationSettings::defaults();
        stored.maximumImageSide = 2000;
        stored.contactEmail = QStringLiteral("old@example.com");
        stored.contactWebsite = QStringLiteral("https://old.example.com");
        models.settingsStore->stored = stored;
        models.rebuild();
        models.model->presentSettings(section);
        controller = std::make_unique<SettingsDraftController>(*models.model, [this] { ++relaunchCount; });
    }
    const ApplicationSettings& settings() const { return models.model->settingsState().settings; }

    testing::ModelFixture models;
    std::unique_ptr<SettingsDraftController> controller;
    int relaunchCount = 0;
};

// Each row edits the number field (or slider), then optionally commits; the text and
// the stored number are read after each step.
TEST_F(SettingsDraftControllerTest, NumberFieldAndSliderKeepTheSizeInRange) {
    enum class Then { nothing, commit, leaveField, leaveSection, finish };
    struct Row {
        const char* typed;
        const char* textAfterTyping;
        std::int64_t storedAfterTyping;
        Then then;
        const char* textAfter;
        std::int64_t storedAfter;
    };
    const Row rows[] = {
        {"12ab34567890", "12345678", 2000, Then::leaveField, "4096", 4096},
        {"12a34", "1234", 1234, Then::nothing, "1234", 1234},
        {"4097", "4097", 2000, Then::commit, "4096", 4096},
        {"300", "300", 2000, Then::leaveSection, "500", 500},
        {"", "", 2000, Then::finish, "2000", 2000},
        {"123456789", "12345678", 2000, Then::commit, "4096", 4096},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        open(SettingsSection::performance);
        controller->focusDidChange(SettingsFocusField(Kind::maximumImageSide));
        controller->filterMaximumImageSideText(QString::fromUtf8(row.typed));
        EXPECT_EQ(controller->draft().maximumImageSideText, QString::fromUtf8(row.textAfterTyping));
        EXPECT_EQ(settings().maximumImageSide, row.storedAfterTyping);
        switch (row.then) {
        case Then::nothing:
            break;
        case Then::commit:
            controller->commitMaximumImageSideText();
            break;
        case Then::leaveField:
            controller->focusDidChange(std::nullopt);
            break;
        case Then::leaveSection:
            controller->selectSection(SettingsSection::language);
            break;
        case Then::finish:
            controller->finish();
            EXPECT_TRUE(controller->isClosing());
            break;
        }
        EXPECT_EQ(controller->draft().maximumImageSideText, QString::fromUtf8(row.textAfter));
        EXPECT_EQ(controller->draft().maximumImageSide, row.storedAfter);
        EXPECT_EQ(settings().maximumImageSide, row.storedAfter);
    }

    const std::pair<double, std::int64_t> slider[] = {
        {500.0, 500}, {4096.0, 4096}, {1234.5, 1235}, {1234.4, 1234}, {-3.0, 500}, {9000.0, 4096}, {NAN, 4096},
    };
    open(SettingsSection::performance);
    for (const auto& [value, stored] : slider) {
        controller->commitMaximumImageSide(value);
        EXPECT_EQ(settings().maximumImageSide, stored) << value;
        EXPECT_EQ(controller->draft().maximumImageSideText, QString::number(stored));
    }
}

TEST_F(SettingsDraftControllerTest, ContactEditsAreCutAndOnlyValidAddressesAreStored) {
    const QString family = QStringLiteral("👩‍👩‍👧");  // one character of five code points
    struct Row {
        SettingsContactField field;
        QString typed;
        QString draft;
        QString stored;
    };
    const Row rows[] = {
        {SettingsContactField::email, "a", "a", "old@example.com"},
        {SettingsContactField::email, "ana@", "ana@", "old@example.com"},
        {SettingsContactField::email, "ana@clinic.example", "ana@clinic.example", "ana@clinic.example"},
        {SettingsContactField::email, "", "", ""},
        {SettingsContactField::website, "clinic.example", "clinic.example", "https://old.example.com"},
        {SettingsContactField::website, "https://clinic.example", "https://clinic.example", "https://clinic.example"},
        {SettingsContactField::freeText, "one\r\ntwo\nthree\u2028four", "one two three four", "one two three four"},
        {SettingsContactField::address, "Street 1\nTown\nLand", "Street 1\nTown\nLand", "Street 1\nTown\nLand"},
        {SettingsContactField::name, QString(300, u'n'), QString(100, u'n'), QString(100, u'n')},
        {SettingsContactField::phoneNumber, family.repeated(51), family.repeated(50), family.repeated(50)},
        {SettingsContactField::freeText, "x" + family.repeated(200), "x" + family.repeated(199),
         "x" + family.repeated(199)},
    };
    open();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.left(20).toStdString());
        controller->writeContactField(row.field, row.typed);
        EXPECT_EQ(controller->draft().contact(row.field), row.draft);
        EXPECT_EQ(SettingsDraft::fromSettings(settings()).contact(row.field), row.stored);
    }
    EXPECT_TRUE(controller->isDraftValid());
}

TEST_F(SettingsDraftControllerTest, LabelsAreCutToFiftyCharactersEachOnItsOwn) {
    using Label = SettingsDraftController::ComparisonLabel;
    open(SettingsSection::comparisonLabels);
    const QString emoji = QStringLiteral("🧪");
    controller->commitComparisonLabel(emoji.repeated(51), Label::original);
    EXPECT_EQ(settings().originalComparisonLabel, emoji.repeated(50));
    controller->commitComparisonLabel(QString(60, u's'), Label::simulation);
    EXPECT_EQ(controller->draft().simulationComparisonLabel, QString(50, u's'));
    controller->commitComparisonLabel(QString(), Label::original);
    EXPECT_EQ(settings().originalComparisonLabel, QString());
    EXPECT_EQ(settings().simulationComparisonLabel, QString(50, u's'));

    // The same text again leaves the settings alone: no new write is scheduled.
    models.model->cancelPendingSettingsSave();
    controller->commitComparisonLabel(QString(), Label::original);
    EXPECT_FALSE(models.model->hasPendingSettingsSave());
}

// Done, Escape, the close button and "Restart now" lead to the first invalid field
// instead of closing or restarting.
TEST_F(SettingsDraftControllerTest, InvalidAddressesKeepTheDialogOpenAndTakeTheFocus) {
    struct Row {
        const char* email;
        const char* website;
        bool restart;
        Kind focus;
    };
    const Row rows[] = {
        {"ana@", "https://ok.example", false, Kind::contactEmail}, {"ana@", "nope", false, Kind::contactEmail},
        {"ana@ok.example", "nope", false, Kind::contactWebsite},   {"ana@", "", true, Kind::contactEmail},
        {"", "www.example", true, Kind::contactWebsite},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.email + std::string(" ") + row.website);
        open(SettingsSection::language);
        controller->chooseLanguage(AppLanguage::french);
        controller->writeContactField(SettingsContactField::email, QString::fromUtf8(row.email));
        controller->writeContactField(SettingsContactField::website, QString::fromUtf8(row.website));
        QSignalSpy closing(controller.get(), &SettingsDraftController::closingStarted);
        row.restart ? controller->restartNow() : controller->finish();
        EXPECT_FALSE(controller->isDraftValid());
        EXPECT_EQ(closing.count(), 0);
        EXPECT_FALSE(controller->isClosing());
        EXPECT_FALSE(models.model->settingsState().isLanguageRestartInProgress);
        EXPECT_EQ(relaunchCount, 0);
        EXPECT_EQ(controller->selectedSection(), SettingsSection::contactInformation);
        EXPECT_EQ(models.model->settingsState().activeSettingsSection, SettingsSection::contactInformation);
        EXPECT_EQ(controller->focusedField(), SettingsFocusField(row.focus));
    }
}

TEST_F(SettingsDraftControllerTest, FinishWritesAtOnceAndClosesOnlyOnce) {
    open();
    QSignalSpy closing(controller.get(), &SettingsDraftController::closingStarted);
    controller->writeContactField(SettingsContactField::name, QStringLiteral("Dr. Ana Ruiz"));
    EXPECT_TRUE(models.model->hasPendingSettingsSave());
    controller->finish();
    EXPECT_FALSE(models.model->hasPendingSettingsSave());
    ASSERT_EQ(models.settingsStore->writes.size(), 1u);
    EXPECT_EQ(models.settingsStore->writes.back().contactName, QStringLiteral("Dr. Ana Ruiz"));
    EXPECT_EQ(closing.count(), 1);

    controller->finish();
    controller->selectSection(SettingsSection::performance);
    EXPECT_EQ(closing.count(), 1);
    EXPECT_EQ(controller->selectedSection(), SettingsSection::contactInformation);
}

TEST_F(SettingsDraftControllerTest, SectionsFollowTheRailAndTheModel) {
    open(SettingsSection::performance);
    EXPECT_EQ(controller->focusedField(), SettingsFocusField::navigation(SettingsSection::performance));
    controller->selectSection(SettingsSection::language);
    EXPECT_EQ(models.model->settingsState().activeSettingsSection, SettingsSection::language);
    EXPECT_EQ(controller->focusedField(), SettingsFocusField::navigation(SettingsSection::language));

    models.model->selectSettingsSection(SettingsSection::comparisonLabels);
    EXPECT_EQ(controller->selectedSection(), SettingsSection::comparisonLabels);
    models.model->closeSettings();
    EXPECT_EQ(controller->selectedSection(), SettingsSection::comparisonLabels);
}

}  // namespace
}  // namespace vlt
