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

TEST(SettingsFileAppLanguagePreferenceStoreTest, DefaultFileIsInTheConfigurationFolder) {
    const testing::ScopedEnvironment config("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(SettingsFileAppLanguagePreferenceStore::defaultFilePath(),
              QStringLiteral("/srv/config/Veltrano/Veltrano.conf"));
}

}  // namespace
}  // namespace vlt
