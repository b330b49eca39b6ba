#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/capturing_event_log_sink.h"
#include "foundation/app_language.h"
#include "foundation/decoding_error.h"
#include "foundation/interface_translations.h"
#include "foundation/json_application_settings_store.h"
#include "base/system_error.h"
#include "settings_file_support.h"

namespace vlt {
namespace {

using ::testing::ElementsAre;
using ::testing::MatchesRegex;
using testing::TemporaryFolder;

class JSONApplicationSettingsStoreTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    JSONApplicationSettingsStore store{folder / "settings.json"};

    Result<ApplicationSettings> loadText(const std::string& text) {
        folder.write("settings.json", text);
        return store.load();
    }

    ApplicationSettings loadValid(const std::string& text) {
        Result<ApplicationSettings> result = loadText(text);
        EXPECT_TRUE(result.ok());
        return result ? result.value() : ApplicationSettings();
    }

    // The kind of decoding error a file gives, or none when it loads.
    std::optional<DecodingError::Kind> decodingFailure(const std::string& text) {
        const Result<ApplicationSettings> result = loadText(text);
        if (result) return std::nullopt;
        const auto* error = dynamic_cast<const DecodingError*>(result.error().get());
        EXPECT_NE(error, nullptr) << result.error()->typeName();
        return error ? std::optional(error->kind()) : std::nullopt;
    }
};

ApplicationSettings sampleSettings() {
    ApplicationSettings settings;
    settings.maximumImageSide = 3000;
    settings.originalComparisonLabel = QStringLiteral("Before \"A\"");
    settings.simulationComparisonLabel = QStringLiteral("Après");
    settings.contactName = QStringLiteral("Dr. Ana");
    settings.contactEmail = QStringLiteral("ana@clinic.example");
    settings.contactWebsite = QStringLiteral("https://clinic.example/a");
    settings.contactAddress = QStringLiteral("Main St\nApt 2");
    settings.preferredStillImageFileFormat = StillImageFileFormat::jpeg;
    settings.preferredStillImageJpegQuality = 90;
    settings.preferredStillImageSaveSelection = StillImageSaveSelection::allThreeTabs;
    settings.automaticallySizeStillImages = false;
    settings.preferredStillImageIndividualMaximumDimension = 1200;
    settings.includeLabelsInStillImages = true;
    settings.recentStillImageSaveLocations = {
        {QStringLiteral("/home/ana/Pictures"), QByteArray("bm"), QStringLiteral("Exports/2024")}};
    settings.lastStillImageSaveLocationPath = QStringLiteral("/home/ana/Pictures");
    return settings.normalized();
}

TEST_F(JSONApplicationSettingsStoreTest, WritesTheExactLayout) {
    ASSERT_TRUE(store.save(sampleSettings()).ok());
    EXPECT_EQ(folder.read("settings.json"),
              "{\n"
              "  \"automaticallySizeStillImages\" : false,\n"
              "  \"contactAddress\" : \"Main St\\nApt 2\",\n"
              "  \"contactEmail\" : \"ana@clinic.example\",\n"
              "  \"contactFreeText\" : \"\",\n"
              "  \"contactName\" : \"Dr. Ana\",\n"
              "  \"contactPhoneNumber\" : \"\",\n"
              "  \"contactWebsite\" : \"https:\\/\\/clinic.example\\/a\",\n"
              "  \"includeContactInformationInStillImages\" : false,\n"
              "  \"includeContactInformationWhenSharing\" : false,\n"
              "  \"includeLabelsInStillImages\" : true,\n"
              "  \"includeLabelsWhenSharing\" : false,\n"
              "  \"lastStillImageSaveLocationPath\" : \"\\/home\\/ana\\/Pictures\",\n"
              "  \"maximumImageSide\" : 3000,\n"
              "  \"originalComparisonLabel\" : \"Before \\\"A\\\"\",\n"
              "  \"preferredStillImageFileFormat\" : \"jpeg\",\n"
              "  \"preferredStillImageIndividualMaximumDimension\" : 1200,\n"
              "  \"preferredStillImageJpegQuality\" : 90,\n"
              "  \"preferredStillImageSaveSelection\" : \"allThreeTabs\",\n"
              "  \"recentStillImageSaveLocations\" : [\n"
              "    {\n"
              "      \"bookmarkData\" : \"Ym0=\",\n"
              "      \"displayPath\" : \"\\/home\\/ana\\/Pictures\",\n"
              "      \"relativeSubfolder\" : \"Exports\\/2024\"\n"
              "    }\n"
              "  ],\n"
              "  \"simulationComparisonLabel\" : \"Après\",\n"
              "  \"version\" : 1\n"
              "}");
}

TEST_F(JSONApplicationSettingsStoreTest, DefaultsLeaveOutDimensionsAndKeepAnEmptyListLine) {
    const std::string text = JSONApplicationSettingsStore::encode(ApplicationSettings::defaults());
    EXPECT_EQ(text.find("Dimension"), std::string::npos);
    EXPECT_NE(text.find("  \"recentStillImageSaveLocations\" : [\n\n  ],\n"), std::string::npos);
}

// A readable file is replaced in place: nothing is set aside, nothing left behind.
TEST_F(JSONApplicationSettingsStoreTest, RoundTripGivesAnEqualRecordControlCharactersIncluded) {
    ApplicationSettings withControls = sampleSettings();
    withControls.contactAddress = QStringLiteral("tab\there\u0001 back\\slash \u2028 日本");
    for (const ApplicationSettings& settings : {withControls, ApplicationSettings::defaults()}) {
        ASSERT_TRUE(store.save(settings).ok());
        EXPECT_EQ(store.load().value(), settings);
    }
    ASSERT_TRUE(store.save(withControls).ok());
    EXPECT_NE(folder.read("settings.json").find("tab\\there\\u0001 back\\\\slash"), std::string::npos);
    EXPECT_THAT(folder.namesStartingWith(""), ElementsAre("settings.json"));
}

TEST_F(JSONApplicationSettingsStoreTest, AbsentValuesAreTheDefaultsAndOthersAreNormalised) {
    EXPECT_EQ(store.load().value(), ApplicationSettings::defaults()) << "no file";
    const auto defaultsWith = [](auto change) {
        ApplicationSettings settings = ApplicationSettings::defaults();
        change(settings);
        return settings;
    };
    const std::pair<std::string, ApplicationSettings> cases[] = {
        {R"({"version": 1})", ApplicationSettings::defaults()},
        {R"({"version": 1, "contactName": null, "maximumImageSide": null, "unknown": [1]})",
         ApplicationSettings::defaults()},
        {R"({"version": 1.0, "maximumImageSide": 1000.0})", defaultsWith([](auto& s) { s.maximumImageSide = 1000; })},
        // Unknown texts fall back.
        {R"({"version": 1, "maximumImageSide": 9000, "preferredStillImageFileFormat": "JPEG",)"
         R"( "preferredStillImageSaveSelection": "everything", "originalComparisonLabel": ""})",
         defaultsWith([](auto& s) { s.maximumImageSide = 4096, s.originalComparisonLabel = QString(); })},
        // A stored dimension turns automatic sizing off unless the file says otherwise.
        {R"({"version": 1, "preferredStillImageIndividualMaximumDimension": 800})", defaultsWith([](auto& s) {
             s.preferredStillImageIndividualMaximumDimension = 800, s.automaticallySizeStillImages = false;
         })},
        {R"({"version": 1, "preferredStillImageIndividualMaximumDimension": 800,)"
         R"( "automaticallySizeStillImages": true})",
         defaultsWith([](auto& s) { s.preferredStillImageIndividualMaximumDimension = 800; })},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(loadValid(text), expected) << text;
}

// A file keeps the default labels in the language that wrote them; under any other
// language they read as that language's defaults, so badges and images follow the
// language. Labels the person typed stay as typed, even one that is the other label's
// default.
TEST_F(JSONApplicationSettingsStoreTest, DefaultLabelsWrittenInAnyLanguageReadInTheCurrentOne) {
    std::vector<std::pair<QString, QString>> writtenDefaults;
    for (const AppLanguage writer : kAllAppLanguages) {
        const InterfaceTranslations translations(writer);
        ASSERT_TRUE(translations.isComplete());
        const ApplicationSettings defaults = ApplicationSettings::defaults();
        ASSERT_TRUE(store.save(defaults).ok());
        const std::string file = folder.read("settings.json");
        EXPECT_NE(file.find(defaults.originalComparisonLabel.toStdString()), std::string::npos);
        writtenDefaults.emplace_back(defaults.originalComparisonLabel, defaults.simulationComparisonLabel);
    }
    ASSERT_EQ(writtenDefaults[5], std::make_pair(QStringLiteral("オリジナル"), QStringLiteral("シミュレーション")));

    const std::pair<QString, QString> typed[] = {
        {QStringLiteral("Before"), QStringLiteral("After")},
        {QStringLiteral("Simulation"), QStringLiteral("Original")},
        {QStringLiteral("Original "), QStringLiteral("オリジナル画像")},
        {QString(), QString()},
    };
    for (const AppLanguage reader : kAllAppLanguages) {
        const InterfaceTranslations translations(reader);
        const ApplicationSettings own = ApplicationSettings::defaults();
        SCOPED_TRACE(appLanguageRawValue(reader));
        for (const auto& [original, simulation] : writtenDefaults) {
            ApplicationSettings written = sampleSettings();
            written.originalComparisonLabel = original;
            written.simulationComparisonLabel = simulation;
            ASSERT_TRUE(store.save(written).ok());
            const ApplicationSettings read = store.load().value();
            EXPECT_EQ(read.originalComparisonLabel, own.originalComparisonLabel);
            EXPECT_EQ(read.simulationComparisonLabel, own.simulationComparisonLabel);
            EXPECT_EQ(read.contactName, written.contactName);
        }
        for (const auto& [original, simulation] : typed) {
            ApplicationSettings written = sampleSettings();
            written.originalComparisonLabel = original;
            written.simulationComparisonLabel = simulation;
            ASSERT_TRUE(store.save(written).ok());
            EXPECT_EQ(store.load().value(), written);
        }
    }
}

TEST_F(JSONApplicationSettingsStoreTest, BrokenFilesAreClearDecodingErrorsNeverCrashes) {
    using Kind = DecodingError::Kind;
    const std::string valid = JSONApplicationSettingsStore::encode(sampleSettings());
    const std::string location = R"({"version": 1, "recentStillImageSaveLocations": [{"displayPath": "/a", )";
    const std::pair<std::string, Kind> cases[] = {
        {R"({"version": 1, "maximumImageSide": "4096"})", Kind::typeMismatch},
        {R"({"version": 1, "maximumImageSide": 4096.5})", Kind::typeMismatch},
        {R"({"version": 1, "maximumImageSide": 1e300})", Kind::dataCorrupted},
        {R"({"version": 1, "maximumImageSide": 18446744073709551615})", Kind::dataCorrupted},
        {R"({"version": 1, "includeLabelsWhenSharing": 1})", Kind::typeMismatch},
        {R"({"version": 1, "contactName": 5})", Kind::typeMismatch},
        {R"({"version": 1, "recentStillImageSaveLocations": {}})", Kind::typeMismatch},
        {R"({"version": 1, "recentStillImageSaveLocations": [7]})", Kind::typeMismatch},
        {location + R"("bookmarkData": "Ym0="}]})", Kind::keyNotFound},
        {location + R"("bookmarkData": "Ym0=", "relativeSubfolder": null}]})", Kind::valueNotFound},
        {location + R"("bookmarkData": "not base64!", "relativeSubfolder": ""}]})", Kind::dataCorrupted},
        {R"({"version": "1"})", Kind::typeMismatch},
        {R"({"maximumImageSide": 4096})", Kind::keyNotFound},
        {R"({"version": null})", Kind::valueNotFound},
        {valid.substr(0, valid.size() / 2), Kind::dataCorrupted},
        {"maximumImageSide=4096", Kind::dataCorrupted},
        {"", Kind::dataCorrupted},
        {"{\"version\": 1, \"contactName\": \"\xff\xfe\"}", Kind::dataCorrupted},
        {"[1, 2]", Kind::typeMismatch},
        {std::string(100000, '['), Kind::dataCorrupted},
        {std::string("\0\0\0", 3), Kind::dataCorrupted},
    };
    for (const auto& [text, kind] : cases) {
        SCOPED_TRACE(text.substr(0, 80));
        EXPECT_EQ(decodingFailure(text), kind);
    }
}

TEST_F(JSONApplicationSettingsStoreTest, HugeFileIsRefusedUnread) {
    const Result<ApplicationSettings> result =
        loadText("{\"version\": 1, \"contactName\": \"" +
                 std::string(JSONApplicationSettingsStore::kMaximumFileBytes, 'x') + "\"}");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error()->domain(), "POSIX");
    EXPECT_EQ(result.error()->code(), EFBIG);
}

TEST_F(JSONApplicationSettingsStoreTest, UnusableFileIsSetAsideOnceBeforeTheFirstSave) {
    const std::string damaged = R"({"version": 1, "contactName": )";
    ASSERT_FALSE(loadText(damaged).ok());
    EXPECT_EQ(folder.read("settings.json"), damaged);

    ASSERT_TRUE(store.save(sampleSettings()).ok());
    ASSERT_TRUE(store.save(ApplicationSettings::defaults()).ok());
    const auto setAside = folder.namesStartingWith("settings.json.unreadable-");
    ASSERT_EQ(setAside.size(), 1u);
    EXPECT_THAT(setAside[0], MatchesRegex("settings\\.json\\.unreadable-[0-9]{8}T[0-9]{6}Z"));
    EXPECT_EQ(folder.read(setAside[0]), damaged);
    EXPECT_EQ(store.load().value(), ApplicationSettings::defaults());
}

TEST_F(JSONApplicationSettingsStoreTest, FileOfAnotherVersionGivesTheDefaultsIsLoggedAndSetAside) {
    ScopedCapturingEventLog log;
    const std::string newer = R"({"version": 2, "maximumImageSide": "whatever"})";
    EXPECT_EQ(loadValid(newer), ApplicationSettings::defaults());
    const auto events = log->eventsNamed("settings_load_failed");
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].value("error_type"), "SettingsFileFailure");
    EXPECT_EQ(events[0].value("failure_code"), "settings-unsupported-version");

    ASSERT_TRUE(store.save(sampleSettings()).ok());
    const auto setAside = folder.namesStartingWith("settings.json.unreadable-");
    ASSERT_EQ(setAside.size(), 1u);
    EXPECT_EQ(folder.read(setAside[0]), newer);
}

// The file holds the practitioner's contact details; a managed dotfile stays managed.
TEST_F(JSONApplicationSettingsStoreTest, SavingWritesForTheOwnerOnlyAndThroughALink) {
    folder.write("settings.json", R"({"version": 1})");
    std::filesystem::permissions(folder / "settings.json", std::filesystem::perms(0644));
    ASSERT_TRUE(store.save(sampleSettings()).ok());
    EXPECT_EQ(std::filesystem::status(folder / "settings.json").permissions(), std::filesystem::perms(0600));

    std::filesystem::create_directory(folder / "dotfiles");
    folder.write("dotfiles/veltrano.json", R"({"version": 1, "contactName": "Ana"})");
    std::filesystem::create_symlink("dotfiles/veltrano.json", folder / "linked.json");
    JSONApplicationSettingsStore linked(folder / "linked.json");
    ASSERT_TRUE(linked.load().ok());
    ASSERT_TRUE(linked.save(sampleSettings()).ok());
    ASSERT_TRUE(linked.save(ApplicationSettings::defaults()).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "linked.json"));
    EXPECT_EQ(linked.load().value(), ApplicationSettings::defaults());
    EXPECT_EQ(std::filesystem::status(folder / "linked.json").permissions(), std::filesystem::perms(0600));
    EXPECT_EQ(folder.namesStartingWith("linked.json"), std::vector<std::string>{"linked.json"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "dotfiles"), {}), 1);
}

// A link may lead to any file the user can write. Only one read as a valid settings
// file is the store's own; any other is neither set aside nor written: the link is.
TEST_F(JSONApplicationSettingsStoreTest, ALinkToAFileNotItsOwnGivesWayAndTheFileIsLeftAsItWas) {
    std::filesystem::create_directory(folder / "elsewhere");
    // Another version loads as the defaults; the others do not load.
    const std::pair<std::string, bool> foreign[] = {
        {std::string("notes\n\0\x01\xff", 9) + std::string(3700, 'n'), false},
        {R"({"name": "Ana", "tags": ["a", "b"]})", false},
        {R"({"version": 2, "editor": {"fontSize": 14}})", true},
    };
    for (const auto& [content, loads] : foreign) {
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            if (entry.path().filename() != "elsewhere") std::filesystem::remove(entry.path());
        }
        folder.write("elsewhere/notes", content);
        std::filesystem::create_symlink(folder / "elsewhere" / "notes", folder / "settings.json");
        EXPECT_EQ(store.load().ok(), loads);
        ASSERT_TRUE(store.save(sampleSettings()).ok());
        EXPECT_EQ(folder.read("elsewhere/notes"), content);
        EXPECT_FALSE(std::filesystem::is_symlink(folder / "settings.json"));
        EXPECT_EQ(store.load().value(), sampleSettings());
        const auto setAside = folder.namesStartingWith("settings.json.unreadable-");
        ASSERT_EQ(setAside.size(), 1u);
        EXPECT_EQ(std::filesystem::read_symlink(folder / setAside[0]), folder / "elsewhere" / "notes");
    }
}

TEST_F(JSONApplicationSettingsStoreTest, SaveCreatesMissingFoldersAndSaysWhenItCannot) {
    JSONApplicationSettingsStore nested(folder / "a" / "b" / "settings.json");
    ASSERT_TRUE(nested.save(sampleSettings()).ok());
    EXPECT_EQ(nested.load().value(), sampleSettings());

    folder.write("occupied", "a file where the folder should be");
    JSONApplicationSettingsStore blocked(folder / "occupied" / "settings.json");
    EXPECT_EQ(blocked.load().value(), ApplicationSettings::defaults());
    const VoidResult saved = blocked.save(sampleSettings());
    ASSERT_FALSE(saved.ok());
    const auto* error = dynamic_cast<const SystemError*>(saved.error().get());
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->operation(), "create folder");
}

TEST(JSONApplicationSettingsStoreLocationTest, DefaultLocationIsInTheApplicationFolder) {
    const testing::ScopedEnvironment data("XDG_DATA_HOME", "/srv/user-data");
    EXPECT_EQ(JSONApplicationSettingsStore::defaultSettingsURL(), "/srv/user-data/Veltrano/settings.json");
}

}  // namespace
}  // namespace vlt
