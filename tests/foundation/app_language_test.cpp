#include <QSettings>
#include <QStringList>
#include <gtest/gtest.h>

#include "foundation/app_language.h"
#include "foundation/settings_file_app_language_preference_store.h"
#include "settings_file_support.h"

namespace vlt {
namespace {

using testing::TemporaryFolder;

struct MatchCase {
    QStringList identifiers;
    std::optional<AppLanguage> expected;
};

class AppLanguageMatchingTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(AppLanguageMatchingTest, PicksTheFirstIdentifierThatNamesALanguage) {
    EXPECT_EQ(appLanguageMatching(GetParam().identifiers), GetParam().expected)
        << GetParam().identifiers.join(u',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lists, AppLanguageMatchingTest,
    ::testing::Values(MatchCase{{"de", "fr-CA", "en"}, AppLanguage::french}, MatchCase{{"de"}, std::nullopt},
                      MatchCase{{}, std::nullopt}, MatchCase{{"zh-Hant-TW"}, AppLanguage::simplifiedChinese},
                      MatchCase{{"zh_HK"}, AppLanguage::simplifiedChinese},
                      MatchCase{{"pt-PT"}, AppLanguage::brazilianPortuguese},
                      MatchCase{{"EN_us"}, AppLanguage::english}, MatchCase{{"", "-", "ja"}, AppLanguage::japanese},
                      MatchCase{{"--ko--KR"}, AppLanguage::korean}, MatchCase{{"EN"}, AppLanguage::english},
                      MatchCase{{"zh-Hans"}, AppLanguage::simplifiedChinese},
                      MatchCase{{"tr-TR", "it"}, AppLanguage::turkish}, MatchCase{{"english"}, std::nullopt},
                      MatchCase{{"es-419"}, AppLanguage::spanish}));

TEST(SettingsFileAppLanguagePreferenceStoreTest, SavesAOneElementListThatMatchesBack) {
    TemporaryFolder folder;
    const QString path = QString::fromStdString((folder / "config" / "Veltrano.conf").string());
    SettingsFileAppLanguagePreferenceStore store(path);
    EXPECT_TRUE(store.storedPreferredLanguages().isEmpty());

    store.save(AppLanguage::french);
    store.save(AppLanguage::simplifiedChinese);
    const SettingsFileAppLanguagePreferenceStore reader(path);
    EXPECT_EQ(reader.storedPreferredLanguages(), QStringList{"zh-Hans"});
    EXPECT_EQ(appLanguageMatching(reader.storedPreferredLanguages()), AppLanguage::simplifiedChinese);
    EXPECT_EQ(reader.preferenceKey(), QStringLiteral("AppleLanguages"));
}

TEST(SettingsFileAppLanguagePreferenceStoreTest, AHandWrittenTextCountsAndOtherValuesDoNot) {
    TemporaryFolder folder;
    folder.write("plain.conf", "[General]\nAppleLanguages=ja\n");
    folder.write("number.conf", "[General]\nAppleLanguages=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n");
    const auto pathOf = [&](const char* name) { return QString::fromStdString((folder / name).string()); };
    EXPECT_EQ(SettingsFileAppLanguagePreferenceStore(pathOf("plain.conf")).storedPreferredLanguages(),
              QStringList{"ja"});
    EXPECT_TRUE(SettingsFileAppLanguagePreferenceStore(pathOf("number.conf")).storedPreferredLanguages().isEmpty());
}

// A link at the configuration file may lead to any file the user can write: only one
// that holds nothing but the application's own entries is written through.
TEST(SettingsFileAppLanguagePreferenceStoreTest, ALinkIsWrittenThroughOnlyToTheApplicationsOwnFile) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder / "elsewhere");
    const QString path = QString::fromStdString((folder / "Veltrano.conf").string());
    const std::string foreign[] = {
        std::string("notes\n\0\x01\xff", 9) + std::string(3700, 'n'),
        "[user]\nname=Ana\nAppleLanguages=ja\n",
        "",
    };
    for (const std::string& content : foreign) {
        folder.write("elsewhere/other", content);
        std::filesystem::remove(folder / "Veltrano.conf");
        std::filesystem::create_symlink(folder / "elsewhere" / "other", folder / "Veltrano.conf");
        SettingsFileAppLanguagePreferenceStore(path).save(AppLanguage::french);
        EXPECT_EQ(folder.read("elsewhere/other"), content);
        EXPECT_FALSE(std::filesystem::is_symlink(folder / "Veltrano.conf"));
        EXPECT_EQ(SettingsFileAppLanguagePreferenceStore(path).storedPreferredLanguages(), QStringList{"fr"});
    }

    folder.write("elsewhere/own.conf", "[General]\nAppleLanguages=ja\nLastImageFolder=/home/ana/Pictures\n");
    std::filesystem::remove(folder / "Veltrano.conf");
    std::filesystem::create_symlink("elsewhere/own.conf", folder / "Veltrano.conf");
    SettingsFileAppLanguagePreferenceStore(path).save(AppLanguage::french);
    SettingsFileAppLanguagePreferenceStore(path).save(AppLanguage::korean);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "Veltrano.conf"));
    const QSettings own(QString::fromStdString((folder / "elsewhere" / "own.conf").string()), QSettings::IniFormat);
    EXPECT_EQ(own.value("AppleLanguages").toString(), QStringLiteral("ko"));
    EXPECT_EQ(own.value("LastImageFolder").toString(), QStringLiteral("/home/ana/Pictures"));
}

TEST(SettingsFileAppLanguagePreferenceStoreTest, DefaultFileIsInTheConfigurationFolder) {
    const testing::ScopedEnvironment config("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(SettingsFileAppLanguagePreferenceStore::defaultFilePath(),
              QStringLiteral("/srv/config/Veltrano/Veltrano.conf"));
}

}  // namespace
}  // namespace vlt
