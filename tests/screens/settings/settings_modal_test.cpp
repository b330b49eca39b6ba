#include "screens/settings/settings_modal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/shell_test_support.h"
#include "model/model_test_support.h"
#include "screens/settings/settings_contact_section.h"
#include "screens/settings/settings_language_section.h"
#include "screens/settings/settings_navigation_rail.h"
#include "ui/settings_notice_frame.h"
#include "screens/settings/settings_performance_section.h"
#include "ui/motion_preference.h"
#include "ui/settings_field_border.h"
#include "ui/settings_single_track_slider.h"
#include "ui/settings_text_field.h"

namespace vlt {
namespace {

class SettingsModalTest : public ::testing::Test {
protected:
    SettingsModal& open(SettingsSection section) {
        models.model->presentSettings(section);
        window.resize(1180, 820);
        window.show();
        modal = new SettingsModal(*models.model, {}, &window, models.scheduler, motion);
        modal->present();
        QApplication::setActiveWindow(&window);
        return *modal;
    }

    testing::ReducedMotion reducedMotion;
    testing::ModelFixture models;
    MotionPreference& motion = MotionPreference::shared();
    QWidget window;
    SettingsModal* modal = nullptr;
};

TEST_F(SettingsModalTest, TypedNumbersAreFilteredAndClampedWhenTheFocusLeaves) {
    open(SettingsSection::performance);
    SettingsTextField* number = modal->performanceSection()->numberField();
    number->setFocus();
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("1234"));
    EXPECT_EQ(models.model->settingsState().settings.maximumImageSide, 1234);
    EXPECT_EQ(modal->performanceSection()->slider()->value(), 1234.0);
    EXPECT_TRUE(number->border()->showsFocus());

    // Too large: the setting waits until the focus leaves.
    QTest::keyClicks(number, QStringLiteral("5"));
    EXPECT_EQ(models.model->settingsState().settings.maximumImageSide, 1234);
    modal->rail()->entry(SettingsSection::language)->setFocus();
    EXPECT_EQ(number->text(), "4096");
    EXPECT_EQ(models.model->settingsState().settings.maximumImageSide, 4096);
    EXPECT_FALSE(number->border()->showsFocus());
}

// A rail entry the keyboard is on opens its section with Return as with Space; the
// dialog stays up.
TEST_F(SettingsModalTest, ReturnOnARailEntryOpensItsSection) {
    open(SettingsSection::contactInformation);
    for (const SettingsSection section : {SettingsSection::language, SettingsSection::performance}) {
        SettingsRailEntry* entry = modal->rail()->entry(section);
        entry->setFocus(Qt::TabFocusReason);
        QTest::keyClick(entry, Qt::Key_Return);
        EXPECT_EQ(models.model->settingsState().activeSettingsSection, section);
        EXPECT_TRUE(entry->isSelected());
    }
    QTest::keyClick(modal->rail()->entry(SettingsSection::performance), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(modal->isClosing());
}

TEST_F(SettingsModalTest, InvalidEmailDisablesDoneAndEscapeLeadsBackToIt) {
    open(SettingsSection::contactInformation);
    SettingsContactSection* contact = modal->contactSection();
    SettingsTextField* email = contact->textField(SettingsContactField::email);
    email->setFocus();
    QTest::keyClicks(email, QStringLiteral("ana@"));
    EXPECT_TRUE(contact->emailMessage()->isVisible());
    EXPECT_FALSE(modal->doneButton()->isEnabled());

    modal->rail()->entry(SettingsSection::language)->click();
    EXPECT_TRUE(modal->languageSection()->isVisible());
    QTest::keyClick(modal->rail()->entry(SettingsSection::language), Qt::Key_Escape);
    EXPECT_TRUE(contact->isVisible());
    EXPECT_TRUE(email->hasFocus());
    EXPECT_TRUE(models.model->settingsState().activeSettingsSection.has_value());

    QTest::keyClicks(email, QStringLiteral("clinic.example"));
    EXPECT_FALSE(contact->emailMessage()->isVisible());
    EXPECT_TRUE(modal->doneButton()->isEnabled());
    EXPECT_EQ(models.model->settingsState().settings.contactEmail, "ana@clinic.example");
}

TEST_F(SettingsModalTest, FooterShowsTheSaveErrorAndDoneStillCloses) {
    models.settingsStore->saveFailure = testing::makeTestError();
    open(SettingsSection::contactInformation);
    EXPECT_TRUE(modal->saveIndicator()->isVisible());
    QTest::keyClicks(modal->contactSection()->textField(SettingsContactField::name), QStringLiteral("Ana"));
    modal->doneButton()->click();
    EXPECT_TRUE(modal->persistenceErrorLabel()->isVisible());
    EXPECT_EQ(modal->persistenceErrorLabel()->text(),
              "These settings could not be saved. They remain active for this session.");
    EXPECT_FALSE(modal->saveIndicator()->isVisible());
    EXPECT_FALSE(models.model->settingsState().activeSettingsSection.has_value());
    EXPECT_EQ(models.model->settingsState().settings.contactName, "Ana");
}

TEST_F(SettingsModalTest, LanguagesAreListedInTheirOwnNamesAndAChoiceShowsTheNotice) {
    open(SettingsSection::language);
    SettingsLanguageSection* section = modal->languageSection();
    // Listed in their order, each in its own name.
    for (std::size_t index = 1; index < kAllAppLanguages.size(); ++index) {
        EXPECT_GT(section->option(kAllAppLanguages[index])->y(), section->option(kAllAppLanguages[index - 1])->y());
    }
    EXPECT_EQ(section->option(AppLanguage::french)->text(), QStringLiteral("Français"));
    EXPECT_EQ(section->option(AppLanguage::simplifiedChinese)->text(), QStringLiteral("简体中文"));
    EXPECT_EQ(section->option(AppLanguage::turkish)->accessibleName(), "Use Turkish");
    EXPECT_TRUE(section->option(AppLanguage::english)->isChecked());
    EXPECT_FALSE(section->restartNotice()->isVisible());
    section->option(AppLanguage::english)->click();
    EXPECT_TRUE(models.languageStore->stored.isEmpty()) << "the language already chosen is not stored again";

    section->option(AppLanguage::korean)->click();
    EXPECT_TRUE(section->restartNotice()->isVisible());
    EXPECT_EQ(models.languageStore->stored, QStringList{QStringLiteral("ko")});
    section->option(AppLanguage::english)->click();
    EXPECT_FALSE(section->restartNotice()->isVisible());
    EXPECT_EQ(models.languageStore->stored, QStringList{QStringLiteral("en")});
}

}  // namespace
}  // namespace vlt
