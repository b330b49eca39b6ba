#include "model/still_image_save_view_model.h"

#include <gtest/gtest.h>

#include "model/app_model_test_access.h"
#include "model/model_test_support.h"

namespace vlt {
namespace {

using Field = StillImageWatermarkField;
const QDateTime kNow(QDate(2026, 3, 5), QTime(10, 0));

class StillImageSaveViewModelTest : public ::testing::Test {
protected:
    // An editor on a canvas of this size, with these settings in force.
    StillImageSaveViewModel& open(std::int64_t width, std::int64_t height,
                                  const std::function<void(ApplicationSettings&)>& edit = {}) {
        ApplicationSettings settings = ApplicationSettings::defaults();
        if (edit) edit(settings);
        AppModelTestAccess::changeSettingsState(*fixture.model,
                                                [&](SettingsState& state) { state.settings = settings; });
        fixture.openEditor(nullptr, ImageSize{width, height});
        viewModel = std::make_unique<StillImageSaveViewModel>(*fixture.model, kNow);
        return *viewModel;
    }
    const ApplicationSettings& settings() const { return fixture.model->settingsState().settings; }

    testing::ModelFixture fixture;
    std::unique_ptr<StillImageSaveViewModel> viewModel;
};

TEST_F(StillImageSaveViewModelTest, SizeTextsFollowAutoTheCanvasAndTheStoredLimits) {
    struct Case {
        const char* name;
        std::int64_t width, height;
        bool automatic;
        std::optional<std::int64_t> individual, comparison;
        std::int64_t side;
        QString individualText, comparisonText;
    };
    for (const Case& c : {
             Case{"auto, landscape", 3000, 2000, true, 1000, 1000, 4096, "3000", "4000"},
             Case{"auto, portrait", 1200, 1600, true, {}, {}, 4096, "1600", "2400"},
             Case{"auto, square", 1500, 1500, true, {}, {}, 4096, "1500", "3000"},
             Case{"off, nothing stored", 4000, 3000, false, {}, {}, 4096, "4000", "6000"},
             Case{"off, an individual limit stored", 4000, 3000, false, 3000, {}, 4096, "3000", "6000"},
             Case{"off, the side lowered", 4000, 3000, false, {}, {}, 2000, "2000", "4000"},
         }) {
        SCOPED_TRACE(c.name);
        StillImageSaveViewModel& dialog = open(c.width, c.height, [&](ApplicationSettings& s) {
            s.automaticallySizeStillImages = c.automatic;
            s.maximumImageSide = c.side;
            s.preferredStillImageIndividualMaximumDimension = c.individual;
            s.preferredStillImageComparisonMaximumStackedDimension = c.comparison;
            s = s.normalized();
        });
        EXPECT_EQ(dialog.individualMaximumText(), c.individualText);
        EXPECT_EQ(dialog.comparisonMaximumText(), c.comparisonText);
        // The help places the panes as the saved Comparison does: the Simulation on top.
        EXPECT_EQ(dialog.comparisonMaximumHelpText().contains("Simulation is above"), c.width > c.height);
    }
}

TEST_F(StillImageSaveViewModelTest, AutoRewritesTheTextsAndStoresOnlyLimitsNeverStored) {
    StillImageSaveViewModel& dialog =
        open(3000, 2000, [](ApplicationSettings& s) { s.preferredStillImageIndividualMaximumDimension = 1200; });
    dialog.setAutomaticallySizeImages(false);
    EXPECT_EQ(dialog.individualMaximumText(), "1200");
    EXPECT_EQ(dialog.comparisonMaximumText(), "4000");
    EXPECT_FALSE(settings().automaticallySizeStillImages);
    EXPECT_EQ(settings().preferredStillImageIndividualMaximumDimension, 1200);
    EXPECT_EQ(settings().preferredStillImageComparisonMaximumStackedDimension, 4000);

    dialog.editIndividualMaximumText(QStringLiteral("900"));
    dialog.setAutomaticallySizeImages(true);
    EXPECT_EQ(dialog.individualMaximumText(), "3000");
    EXPECT_EQ(settings().preferredStillImageIndividualMaximumDimension, 900);
    EXPECT_TRUE(settings().automaticallySizeStillImages);
}

TEST_F(StillImageSaveViewModelTest, SizeMessagesNameTheRangeAndAnInvalidTextIsNeverStored) {
    struct Case {
        QString individual, comparison;
        std::optional<QString> individualMessage, comparisonMessage;
    };
    const QString individualRange = QStringLiteral("Enter a whole number from 1 to 4096.");
    const QString comparisonRange = QStringLiteral("Enter a whole number from 2 to 8192.");
    for (const Case& c :
         {Case{"4096", "8192", {}, {}}, Case{"4097", "2", individualRange, {}},
          Case{" 1200 ", "1", {}, comparisonRange}, Case{"+12", "8193", individualRange, comparisonRange},
          Case{"", "1.5", individualRange, comparisonRange}}) {
        SCOPED_TRACE(c.individual.toStdString() + " / " + c.comparison.toStdString());
        StillImageSaveViewModel& dialog = open(3000, 2000, [](ApplicationSettings& s) {
            s.automaticallySizeStillImages = false;
            s.preferredStillImageIndividualMaximumDimension = 700;
        });
        dialog.editIndividualMaximumText(c.individual);
        dialog.editComparisonMaximumText(c.comparison);
        EXPECT_EQ(dialog.individualMaximumMessage(), c.individualMessage);
        EXPECT_EQ(dialog.comparisonMaximumMessage(), c.comparisonMessage);
        if (c.individualMessage) {
            EXPECT_EQ(settings().preferredStillImageIndividualMaximumDimension, 700);
        }
        // An invalid text saves at the image's own size.
        const StillImageExportOptions options = dialog.makeExportOptions();
        EXPECT_EQ(options.individualMaximumDimension, c.individualMessage ? 3000 : c.individual.trimmed().toLongLong());
    }
}

TEST_F(StillImageSaveViewModelTest, LabelToggleTurnsOnWithTheFirstCharacterAndStaysOffOnceTurnedOff) {
    StillImageSaveViewModel& dialog = open(64, 48);
    ASSERT_FALSE(dialog.includesLabels());
    dialog.editWatermarkText(Field::originalLabel, QString());
    dialog.editWatermarkText(Field::simulationLabel, QStringLiteral("  "));
    EXPECT_FALSE(dialog.includesLabels());

    dialog.editWatermarkText(Field::originalLabel, QStringLiteral("B"));
    EXPECT_TRUE(dialog.includesLabels());
    EXPECT_TRUE(settings().includeLabelsInStillImages);
    EXPECT_EQ(dialog.labelSummaryText(), "Only the Original label is set; Simulation will have no label.");

    dialog.setIncludeLabels(false);
    dialog.editWatermarkText(Field::originalLabel, QStringLiteral("Before"));
    dialog.editWatermarkText(Field::simulationLabel, QStringLiteral("After"));
    EXPECT_FALSE(dialog.includeLabels());
    EXPECT_FALSE(dialog.makeExportOptions().includeLabels);
    EXPECT_EQ(settings().originalComparisonLabel, "Before");
}

TEST_F(StillImageSaveViewModelTest, AnInvalidEmailHoldsBackEveryWatermarkTextUntilMended) {
    StillImageSaveViewModel& dialog = open(64, 48);
    dialog.editWatermarkText(Field::contactEmail, QStringLiteral("ana"));
    dialog.editWatermarkText(Field::contactName, QStringLiteral("Dr. Ana"));
    dialog.editWatermarkText(Field::originalLabel, QStringLiteral("Before"));
    EXPECT_EQ(settings().contactName, QString());
    EXPECT_EQ(settings().originalComparisonLabel, "Original");
    EXPECT_FALSE(dialog.includeContactInformation());
    EXPECT_EQ(dialog.saveBlocker(), std::optional(StillImageSaveBlocker::noDestination));

    dialog.editWatermarkText(Field::contactEmail, QStringLiteral("ana@example.org"));
    EXPECT_EQ(settings().contactName, "Dr. Ana");
    EXPECT_EQ(settings().contactEmail, "ana@example.org");
    EXPECT_EQ(settings().originalComparisonLabel, "Before");
    EXPECT_TRUE(dialog.includesContactInformation());
}

TEST_F(StillImageSaveViewModelTest, TextsAreCutByCharactersAsAReaderCountsThem) {
    StillImageSaveViewModel& dialog = open(64, 48);
    // "e" with a combining acute accent: two UTF-16 units, one character.
    const QString accented = QStringLiteral("e\u0301");
    dialog.editBaseName(accented.repeated(200));
    EXPECT_EQ(dialog.baseName(), accented.repeated(180));
    dialog.editWatermarkText(Field::originalLabel, accented.repeated(60));
    EXPECT_EQ(dialog.watermarkDraft().originalComparisonLabel, accented.repeated(50));
    dialog.editSubfolderName(QString(300, QLatin1Char('a')));
    EXPECT_EQ(dialog.subfolderName().size(), 255);
}

TEST_F(StillImageSaveViewModelTest, SaveIsOfferedOnlyWhenEveryCheckPassesInItsOrder) {
    StillImageSaveViewModel& dialog =
        open(64, 48, [](ApplicationSettings& s) { s.automaticallySizeStillImages = false; });
    const auto select = [&] {
        AppModelTestAccess::changeStillImageSaveState(*fixture.model,
                                                      [](StillImageSaveState& state) { state.hasDestination = true; });
    };
    using Blocker = StillImageSaveBlocker;
    const std::vector<std::pair<std::function<void()>, std::optional<Blocker>>> steps = {
        {[&] {
             dialog.editBaseName(QStringLiteral("a/b"));
             dialog.editSubfolderName(QStringLiteral(".."));
             dialog.editIndividualMaximumText(QStringLiteral("0"));
             dialog.editWatermarkText(Field::contactWebsite, QStringLiteral("example"));
         },
         Blocker::noDestination},
        {select, Blocker::invalidBaseName},
        {[&] { dialog.editBaseName(QStringLiteral("Smith")); }, Blocker::invalidSubfolder},
        {[&] { dialog.editSubfolderName(QStringLiteral("  ")); }, Blocker::invalidSize},
        {[&] { dialog.setAutomaticallySizeImages(true); }, Blocker::invalidContact},
        {[&] { dialog.editWatermarkText(Field::contactWebsite, QStringLiteral("https://example.org")); }, std::nullopt},
    };
    for (const auto& [step, blocker] : steps) {
        step();
        EXPECT_EQ(dialog.saveBlocker(), blocker);
        EXPECT_EQ(dialog.canSave(), !blocker.has_value());
    }
}

TEST_F(StillImageSaveViewModelTest, PreviewListsVersionOneOfEveryFileTheSelectionWrites) {
    struct Case {
        QString baseName;
        StillImageSaveSelection selection;
        StillImageFileFormat format;
        QStringList names;
    };
    using Selection = StillImageSaveSelection;
    for (const Case& c :
         {Case{"Smith",
               Selection::allThreeTabs,
               StillImageFileFormat::png,
               {"Smith-v01-original.png", "Smith-v01-simulation.png", "Smith-v01-comparison.png"}},
          Case{" Smith ", Selection::currentTab, StillImageFileFormat::jpeg, {"Smith-v01-comparison.jpg"}},
          Case{"   ", Selection::original, StillImageFileFormat::png, {}},
          Case{"a:b", Selection::original, StillImageFileFormat::png, {}},
          Case{"..", Selection::original, StillImageFileFormat::png, {}}}) {
        SCOPED_TRACE(c.baseName.toStdString());
        StillImageSaveViewModel& dialog = open(64, 48);
        EXPECT_EQ(dialog.baseName(), "VLT-2026-03-05");
        dialog.editBaseName(c.baseName);
        dialog.selectSelection(c.selection);
        dialog.selectFileFormat(c.format);
        EXPECT_EQ(dialog.previewFileNames(), c.names);
    }
    EXPECT_EQ(settings().preferredStillImageFileFormat, StillImageFileFormat::png);
    EXPECT_EQ(settings().preferredStillImageSaveSelection, Selection::original);
}

}  // namespace
}  // namespace vlt
