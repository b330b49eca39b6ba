#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "app/app_content_view.h"
#include "app/app_overlay_layer.h"
#include "editing/session/editor_session.h"
#include "foundation/localized_string.h"
#include "model/app_model.h"
#include "screens/save_images/still_image_save_modal.h"
#include "screens/save_images/still_image_selection_option.h"
#include "screens/save_images/still_image_watermarks_section.h"
#include "screens/save_images/still_image_where_what_section.h"
#include "screens/settings/settings_comparison_labels_section.h"
#include "screens/settings/settings_modal.h"
#include "translations/translated_road_support.h"
#include "ui/settings_text_field.h"

namespace vlt {
namespace {

using testing::kPatience;
using testing::languageUnderTest;

// The settings file as a launch in another language left it once any setting was
// saved: that language's default labels, written out as texts.
QByteArray settingsWrittenInAnotherLanguage() {
    const bool japanese = languageUnderTest() == AppLanguage::japanese;
    const QString original = japanese ? QStringLiteral("Original") : QStringLiteral("オリジナル");
    const QString simulation = japanese ? QStringLiteral("Simulation") : QStringLiteral("シミュレーション");
    return QStringLiteral(R"({"version": 1, "originalComparisonLabel": "%1", "simulationComparisonLabel": "%2",)"
                          R"( "includeLabelsInStillImages": true, "preferredStillImageSaveSelection": "comparison"})")
        .arg(original, simulation)
        .toUtf8();
}

// How many pixels of an area are nearly white: the labels' fill.
int whitePixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += qGray(image.pixel(x, y)) > 235;
    }
    return count;
}

// Default labels that a launch in another language wrote show in this launch's language
// wherever labels show: the settings dialog's fields, the editor's badges, the save
// dialog's watermark fields and the saved Comparison; the file then holds them in this
// language. The saved Comparison stays beside the test binary.
TEST(ComparisonLabelDefaultsTest, DefaultsWrittenInAnotherLanguageShowInThisOne) {
    testing::TranslatedRoad road(settingsWrittenInAnotherLanguage());
    AppModel& model = *road.model;
    const QString original = localizedString("Original");
    const QString simulation = localizedString("Simulation");
    EXPECT_EQ(model.settingsState().settings.originalComparisonLabel, original);
    EXPECT_EQ(model.settingsState().settings.simulationComparisonLabel, simulation);

    model.presentSettings(SettingsSection::comparisonLabels);
    ASSERT_TRUE(QTest::qWaitFor([&] { return road.root->overlay(AppOverlayLayer::settings); }, kPatience));
    const auto* labels =
        qobject_cast<SettingsModal*>(road.root->overlay(AppOverlayLayer::settings))->comparisonLabelsSection();
    EXPECT_EQ(labels->originalField()->text(), original);
    EXPECT_EQ(labels->simulationField()->text(), simulation);
    model.closeSettings();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !road.root->overlay(AppOverlayLayer::settings); }, kPatience));

    // Large enough for labels of 24 pixels.
    ASSERT_TRUE(road.open(QStringLiteral("Portrait.png"), {1800, 1200}));
    ASSERT_TRUE(road.goToEditorAndPush());
    EXPECT_EQ(road.session().originalComparisonLabel(), original);
    EXPECT_EQ(road.session().simulationComparisonLabel(), simulation);

    const QString target = road.filePath(QStringLiteral("Saved"));
    ASSERT_TRUE(QDir().mkpath(target));
    model.onStillImageFolderPickerRequested = [target](const QString&, auto finish) { finish(target); };
    model.requestSaveImages();
    ASSERT_TRUE(QTest::qWaitFor([&] { return road.root->overlay(AppOverlayLayer::stillImageSave); }, kPatience));
    auto* dialog = qobject_cast<StillImageSaveModal*>(road.root->overlay(AppOverlayLayer::stillImageSave));
    dialog->whereWhatSection()->browseButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model.stillImageSaveState().hasDestination; }, kPatience));
    dialog->whereWhatSection()->option(StillImageSaveSelection::comparison)->click();
    ASSERT_TRUE(dialog->watermarksSection()->labelsToggle()->isChecked());
    const auto* watermarkOriginal =
        qobject_cast<SettingsTextField*>(dialog->watermarksSection()->field(StillImageWatermarkField::originalLabel));
    ASSERT_NE(watermarkOriginal, nullptr);
    EXPECT_EQ(watermarkOriginal->text(), original);
    ASSERT_TRUE(dialog->saveButton()->isEnabled());
    dialog->saveButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return road.root->overlay(AppOverlayLayer::stillImageSaved); }, kPatience));

    const QStringList saved = QDir(target).entryList({QStringLiteral("*-comparison.png")});
    ASSERT_EQ(saved.size(), 1);
    const QImage comparison(target + QLatin1Char('/') + saved.first());
    ASSERT_FALSE(comparison.isNull());
    comparison.save(QStringLiteral(VLT_TEST_SCREENSHOT_DIR "/saved_comparison_%1.png").arg(testing::languageCode()));
    // Stacked, as the photograph is wider than tall: the Original's label at the left of
    // the lower half, the Simulation's at the right of the upper one.
    const int half = comparison.height() / 2;
    EXPECT_GT(whitePixels(comparison, QRect(0, half, comparison.width() / 2, half / 8)), 30);
    EXPECT_GT(whitePixels(comparison, QRect(comparison.width() / 2, 0, comparison.width() / 2, half / 8)), 30);

    QFile file(road.filePath(QStringLiteral("settings.json")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !model.hasPendingSettingsSave(); }, kPatience));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(written.contains(QStringLiteral("\"%1\"").arg(original))) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("\"%1\"").arg(simulation))) << written.toStdString();
}

}  // namespace
}  // namespace vlt
