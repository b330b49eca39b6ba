#include <QStringList>
#include <gtest/gtest.h>

#include "foundation/application_settings.h"
#include "foundation/contact_validation.h"

namespace vlt {
namespace {

StillImageSaveLocation folder(const QString& path, const QString& subfolder = QString()) {
    return StillImageSaveLocation{path, QByteArray("bookmark:") + path.toUtf8(), subfolder};
}

QStringList pathsOf(const ApplicationSettings& settings) {
    QStringList paths;
    for (const auto& location : settings.recentStillImageSaveLocations) paths << location.displayPath;
    return paths;
}

// "é" written as e + combining acute accent: one character, two UTF-16 units.
QString decomposedE(int count) { return QString(QStringLiteral("e\u0301")).repeated(count); }

TEST(ApplicationSettingsNormalisationTest, NumbersAreClampedIntoTheirRanges) {
    EXPECT_EQ(ApplicationSettings().updatingMaximumImageSide(100).maximumImageSide, 500);
    EXPECT_EQ(ApplicationSettings().updatingMaximumImageSide(10000).maximumImageSide, 4096);

    ApplicationSettings settings;
    settings.maximumImageSide = 500;
    settings.preferredStillImageComparisonMaximumStackedDimension = 5000;
    settings.preferredStillImageIndividualMaximumDimension = 0;
    settings.preferredStillImageJpegQuality = 30;
    const ApplicationSettings normalized = settings.normalized();
    EXPECT_EQ(normalized.preferredStillImageComparisonMaximumStackedDimension, 1000);
    EXPECT_EQ(normalized.preferredStillImageIndividualMaximumDimension, 1);
    EXPECT_EQ(normalized.preferredStillImageJpegQuality, 60);

    settings.preferredStillImageJpegQuality = 101;
    settings.preferredStillImageComparisonMaximumStackedDimension = -4;
    EXPECT_EQ(settings.normalized().preferredStillImageJpegQuality, 100);
    EXPECT_EQ(settings.normalized().preferredStillImageComparisonMaximumStackedDimension, 2);
}

TEST(ApplicationSettingsNormalisationTest, TextsAreCutToUserPerceivedCharacters) {
    ApplicationSettings settings;
    settings.originalComparisonLabel = decomposedE(60);
    settings.contactName = QString(QStringLiteral("👩‍👩‍👧")).repeated(101);
    settings.contactPhoneNumber = QStringLiteral("한국어").repeated(20);
    settings.contactAddress = QStringLiteral("Line one\nLine two");
    const ApplicationSettings normalized = settings.normalized();
    EXPECT_EQ(normalized.originalComparisonLabel, decomposedE(50));
    EXPECT_EQ(normalized.contactName, QString(QStringLiteral("👩‍👩‍👧")).repeated(100));
    EXPECT_EQ(normalized.contactPhoneNumber, QStringLiteral("한국어").repeated(20).left(50));
    EXPECT_EQ(normalized.contactAddress, QStringLiteral("Line one\nLine two"));
    EXPECT_EQ(settings.updatingComparisonLabels(decomposedE(70), QString()).originalComparisonLabel, decomposedE(50));
}

// Every kind of line break becomes one blank; other blanks stay.
TEST(ApplicationSettingsNormalisationTest, FreeTextBecomesOneLineThenIsCut) {
    ApplicationSettings settings;
    settings.contactFreeText = QStringLiteral("\n a\r\nb\rc\nd\u0085e\u2028f\u2029g  h");
    EXPECT_EQ(settings.normalized().contactFreeText, QStringLiteral("  a b c d e f g  h"));
    settings.contactFreeText = QString(300, u'x');
    EXPECT_EQ(settings.normalized().contactFreeText, QString(200, u'x'));
}

TEST(ApplicationSettingsNormalisationTest, InvalidEmailAndWebsiteAreEmptied) {
    const ApplicationSettings settings = ApplicationSettings().updatingWatermarkTexts(
        {QStringLiteral("Before"), QStringLiteral("After"), QStringLiteral("Dr. Ana"), QStringLiteral("not an email"),
         QStringLiteral("+1 555"), QStringLiteral("ftp://clinic.example"), QStringLiteral("Main St"),
         QStringLiteral("x")});
    EXPECT_EQ(settings.contactEmail, QString());
    EXPECT_EQ(settings.contactWebsite, QString());
    EXPECT_EQ(settings.originalComparisonLabel, QStringLiteral("Before"));
    EXPECT_EQ(settings.contactName, QStringLiteral("Dr. Ana"));
}

struct RuleCase {
    const char* text;
    bool valid;
};

class ContactEmailRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ContactEmailRuleTest, JudgesTheAddress) {
    EXPECT_EQ(isValidContactEmail(QString::fromUtf8(GetParam().text)), GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, ContactEmailRuleTest,
    ::testing::Values(RuleCase{"", true}, RuleCase{"a@b.c", true}, RuleCase{"josé.garcía@clínica.es", true},
                      RuleCase{"ユーザー@例え.テスト", true}, RuleCase{"first+tag@mail-host.example", true},
                      RuleCase{".a@b.c", false}, RuleCase{"a.@b.c", false}, RuleCase{"a..b@c.d", false},
                      RuleCase{"a@b", false}, RuleCase{"a@-b.c", false}, RuleCase{"a@b-.c", false},
                      RuleCase{"a@b..c", false}, RuleCase{"a@b.c.", false}, RuleCase{"a@b@c.d", false},
                      RuleCase{"@b.c", false}, RuleCase{"a@", false}, RuleCase{"a b@c.d", false},
                      RuleCase{"a@b.c\n", false}, RuleCase{"a@b_c.d", false}));

TEST(ContactEmailRuleLengthTest, CountsCharactersNotCodeUnits) {
    const QString domain = QStringLiteral("@b.c");
    EXPECT_TRUE(isValidContactEmail(decomposedE(250) + domain));
    EXPECT_FALSE(isValidContactEmail(QString(251, u'a') + domain));
}

class ContactWebsiteRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ContactWebsiteRuleTest, JudgesTheAddress) {
    EXPECT_EQ(isValidContactWebsite(QString::fromUtf8(GetParam().text)), GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, ContactWebsiteRuleTest,
    ::testing::Values(RuleCase{"", true}, RuleCase{"http://1.2.3.4", true}, RuleCase{"HTTPS://Example.COM", true},
                      RuleCase{"https://www.clinic.example/path?q=1#top", true},
                      RuleCase{"http://clinic.example:8080", true}, RuleCase{"https://user@clinic.example", true},
                      RuleCase{"http://[::1]:8080/", true}, RuleCase{"https://müller-praxis.de", true},
                      RuleCase{"http://255.255.255.255", true}, RuleCase{"http://256.1.1.1", false},
                      RuleCase{"http://1.2.3", false}, RuleCase{"http://localhost", false},
                      RuleCase{"https://www.clinic", false}, RuleCase{"ftp://clinic.example", false},
                      RuleCase{"clinic.example", false}, RuleCase{"http://-clinic.example", false},
                      RuleCase{"http://clinic-.example", false}, RuleCase{"http://clinic..example", false},
                      RuleCase{"http:// clinic.example", false}, RuleCase{"http://", false},
                      RuleCase{"https:clinic.example", false}));

TEST(RecentSaveLocationsTest, KeepsFiveValidDistinctFoldersWithTheLastUsedFirst) {
    std::vector<StillImageSaveLocation> locations;
    for (int index = 1; index <= 7; ++index) locations.push_back(folder(QStringLiteral("/data/f%1").arg(index)));
    const auto kept = normalizedRecentSaveLocations(QStringLiteral("/data/f6"), locations);
    QStringList paths;
    for (const auto& location : kept) paths << location.displayPath;
    EXPECT_EQ(paths, QStringList({"/data/f6", "/data/f1", "/data/f2", "/data/f3", "/data/f4"}));
}

TEST(RecentSaveLocationsTest, DropsInvalidAndRepeatedEntriesAndTrims) {
    StillImageSaveLocation noBookmark = folder(QStringLiteral("/data/empty"));
    noBookmark.bookmarkData.clear();
    const std::vector<StillImageSaveLocation> locations = {
        folder(QStringLiteral("  /data/Photos \n"), QStringLiteral(" Exports ")),
        folder(QStringLiteral("/data/Photos")),
        folder(QStringLiteral("/data/photos")),
        noBookmark,
        folder(QStringLiteral("relative/folder")),
        folder(QStringLiteral("/data/trailing/")),
        folder(QStringLiteral("/data/escape"), QStringLiteral("a/../b")),
        folder(QStringLiteral("   ")),
        folder(QStringLiteral("/")),
    };
    const auto kept = normalizedRecentSaveLocations(QString(), locations);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].displayPath, QStringLiteral("/data/Photos"));
    EXPECT_EQ(kept[0].relativeSubfolder, QStringLiteral("Exports"));
    EXPECT_EQ(kept[1].displayPath, QStringLiteral("/data/photos")) << "another folder";
    EXPECT_EQ(kept[2].displayPath, QStringLiteral("/"));
}

TEST(RecentSaveLocationsTest, LastPathFollowsTheKeptEntries) {
    ApplicationSettings settings;
    settings.recentStillImageSaveLocations = {folder(QStringLiteral("/a")), folder(QStringLiteral("/b"))};
    settings.lastStillImageSaveLocationPath = QStringLiteral("/b");
    EXPECT_EQ(settings.normalized().lastStillImageSaveLocationPath, QStringLiteral("/b"));
    settings.lastStillImageSaveLocationPath = QStringLiteral("/B");
    EXPECT_EQ(settings.normalized().lastStillImageSaveLocationPath, QStringLiteral("/a"));
    settings.recentStillImageSaveLocations.clear();
    EXPECT_EQ(settings.normalized().lastStillImageSaveLocationPath, QString());
}

TEST(ApplicationSettingsUpdateTest, RecordingAFolderPutsItFirstAndLetterCaseNamesAnotherFolder) {
    const ApplicationSettings settings = ApplicationSettings()
                                             .recordingStillImageSaveLocation(folder(QStringLiteral("/a")))
                                             .recordingStillImageSaveLocation(folder(QStringLiteral("/b")))
                                             .recordingStillImageSaveLocation(folder(QStringLiteral("/A")));
    EXPECT_EQ(pathsOf(settings), QStringList({"/A", "/b", "/a"}));
    EXPECT_EQ(settings.lastStillImageSaveLocationPath, QStringLiteral("/A"));

    const ApplicationSettings removed = settings.removingRecentStillImageSaveLocation(QStringLiteral("/A"));
    EXPECT_EQ(pathsOf(removed), QStringList({"/b", "/a"}));
    EXPECT_EQ(removed.lastStillImageSaveLocationPath, QStringLiteral("/b"));
}

TEST(ApplicationSettingsUpdateTest, AbsentDimensionKeepsTheStoredOne) {
    StillImagePreferences preferences;
    preferences.automaticallySizeStillImages = false;
    preferences.individualMaximumDimension = 1200;
    preferences.comparisonMaximumStackedDimension = 2400;
    const ApplicationSettings first = ApplicationSettings().updatingStillImagePreferences(preferences);

    preferences.individualMaximumDimension.reset();
    preferences.comparisonMaximumStackedDimension = 900000;
    preferences.fileFormat = StillImageFileFormat::jpeg;
    preferences.jpegQuality = 10;
    const ApplicationSettings second = first.updatingStillImagePreferences(preferences);
    EXPECT_EQ(second.preferredStillImageIndividualMaximumDimension, 1200);
    EXPECT_EQ(second.preferredStillImageComparisonMaximumStackedDimension, 8192);
    EXPECT_EQ(second.preferredStillImageFileFormat, StillImageFileFormat::jpeg);
    EXPECT_EQ(second.preferredStillImageJpegQuality, 60);
    EXPECT_FALSE(second.automaticallySizeStillImages);
}

}  // namespace
}  // namespace vlt
